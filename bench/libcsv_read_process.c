/* libcsv in the reader race: the file read whole in one request, as the floor reads it, then
 * parsed with callbacks that only count fields and rows. Prints the number of rows. */
#include <csv.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

struct counts {
    size_t fields;
    size_t rows;
};

static void on_field(void* text, size_t length, void* data) {
    (void)text;
    (void)length;
    ++((struct counts*)data)->fields;
}

static void on_row(int terminator, void* data) {
    (void)terminator;
    ++((struct counts*)data)->rows;
}

int main(int argc, char** argv) {
    struct csv_parser parser;
    struct counts counts = {0, 0};
    struct stat status;
    FILE* file;
    char* bytes;
    size_t read;
    if (argc != 2) {
        fprintf(stderr, "usage: libcsv_read_process FILE\n");
        return 2;
    }
    file = fopen(argv[1], "rb");
    if (file == NULL || fstat(fileno(file), &status) != 0 || csv_init(&parser, 0) != 0) {
        perror(argv[1]);
        return 1;
    }
    bytes = malloc((size_t)status.st_size + 1);
    if (bytes == NULL) {
        perror(argv[1]);
        return 1;
    }
    read = fread(bytes, 1, (size_t)status.st_size, file);
    fclose(file);
    if (csv_parse(&parser, bytes, read, on_field, on_row, &counts) != read) {
        fprintf(stderr, "libcsv: %s\n", csv_strerror(csv_error(&parser)));
        return 1;
    }
    csv_fini(&parser, on_field, on_row, &counts);
    csv_free(&parser);
    free(bytes);
    printf("%zu\n", counts.rows);
    return 0;
}
