#include "speeddial/speed_dial_writer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "option_texts.h"

using namespace recipients;
using namespace speeddial;

namespace {

// Three read records with their option texts; the picker chose records 2 and 0, in this order.
class WriteSpeedDialRecordsTest : public testing::Test {
  protected:
    void SetUp() override {
        const char* names[] = {"Ann", "Bob", "Cy"};
        for (int i = 0; i < 3; ++i) {
            SpeedDialRecord record;
            CopyToField(record.name, names[i]);
            CopyToField(record.faxNumber, std::to_string(100 + i));
            records.push_back(record);
            collection.relayFaxTexts.push_back("");
            collection.secureFaxTexts.push_back("");
            collection.fCodeTexts.push_back("");
        }
        collection.relayFaxTexts[2] = "05/001";
        collection.secureFaxTexts[0] = EncodeOptionValue("123:4567");
        collection.fCodeTexts[2] = EncodeOptionValue("77:88");
        collection.count = 2;
        collection.speedDialNumbers = {"2", "0"};
    }

    SpeedDialRecord RecordAt(const std::string& out, int k) {
        SpeedDialRecord record;
        std::memcpy(&record, out.data() + k * sizeof record, sizeof record);
        return record;
    }

    RecipientCollection collection;
    SpeedDialRecords records;
};

TEST_F(WriteSpeedDialRecordsTest, WritesTheChosenRecordsInListOrderWithTheirOwnOptions) {
    std::string out = "N";
    EXPECT_EQ(WriteSpeedDialRecords(out, collection, records), 2);
    ASSERT_EQ(out.size(), 1 + 2 * kSpeedDialRecordSize);
    out.erase(0, 1);

    const SpeedDialRecord first = RecordAt(out, 0);
    EXPECT_EQ(FieldText(first.name), "Cy");
    EXPECT_EQ(first.transmissionType, '1');
    EXPECT_EQ(FieldText(first.relayStation), "05");
    EXPECT_EQ(FieldText(first.fCodeSubaddress), "77");
    EXPECT_EQ(FieldText(first.fCodePassword), "88");

    const SpeedDialRecord second = RecordAt(out, 1);
    EXPECT_EQ(FieldText(second.name), "Ann");
    EXPECT_EQ(second.transmissionType, '4');
    EXPECT_EQ(FieldText(second.secureId), "123");
    EXPECT_EQ(FieldText(second.relayStation), "");

    // The records are encoded in the buffer, as they are written.
    EXPECT_EQ(std::memcmp(&records[2], &first, sizeof first), 0);
}

TEST_F(WriteSpeedDialRecordsTest, WritesOnlyCountElements) {
    collection.count = 1;
    std::string out;
    EXPECT_EQ(WriteSpeedDialRecords(out, collection, records), 1);
    EXPECT_EQ(out.size(), kSpeedDialRecordSize);
}

TEST_F(WriteSpeedDialRecordsTest, SkipsElementsThatNameNoRecord) {
    collection.speedDialNumbers = {"3", "-1", "abc", " 1", "4294967296"};
    collection.count = 5;
    std::string out;
    // "abc" reads as 0, " 1" as 1; the others name no record.
    EXPECT_EQ(WriteSpeedDialRecords(out, collection, records), 2);
    ASSERT_EQ(out.size(), 2 * kSpeedDialRecordSize);
    EXPECT_EQ(FieldText(RecordAt(out, 0).name), "Ann");
    EXPECT_EQ(FieldText(RecordAt(out, 1).name), "Bob");
}

TEST_F(WriteSpeedDialRecordsTest, ACountBeyondTheListWritesWhatTheListHolds) {
    collection.count = 7;
    std::string out;
    EXPECT_EQ(WriteSpeedDialRecords(out, collection, records), 2);
}

}  // namespace
