"""Python's csv module in the reader race: counts the rows, its fastest way through a file."""
import csv
import sys

with open(sys.argv[1], newline="", encoding="latin-1") as file:
    print(sum(1 for _ in csv.reader(file)))
