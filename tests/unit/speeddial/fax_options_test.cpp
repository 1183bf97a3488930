#include "speeddial/fax_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "option_texts.h"

using namespace speeddial;

namespace {

using namespace std::string_literals;

SpeedDialRecord ReadRecord() {
    SpeedDialRecord record;
    CopyToField(record.name, "Sales (HQ)");
    CopyToField(record.faxNumber, "03-12345678");
    record.commMode = 2;
    return record;
}

std::string Destination(const SpeedDialRecord& record, int k) {
    return std::string(record.relayDestinations + k * kRelayDestinationSize, kRelayDestinationSize);
}

std::vector<std::string> Destinations(const SpeedDialRecord& record) {
    std::vector<std::string> stored;
    for (int k = 0; k < record.relayCount; ++k) {
        stored.push_back(Destination(record, k));
    }
    return stored;
}

bool IsZero(const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != '\0') {
            return false;
        }
    }
    return true;
}

TEST(EncodeRelayFax, StoresStationAndDestinations) {
    SpeedDialRecord record = ReadRecord();
    EXPECT_EQ(EncodeRelayFax(record, "05/001/002"), 1);
    EXPECT_EQ(FieldText(record.relayStation), "05");
    EXPECT_EQ(record.relayPFlag, '0');
    EXPECT_EQ(record.relayCount, 2);
    EXPECT_EQ(Destinations(record), (std::vector<std::string>{"001", "002"}));
    EXPECT_TRUE(IsZero(record.relayDestinations + 6, sizeof record.relayDestinations - 6));
}

TEST(EncodeRelayFax, ChecksEveryKindOfDestination) {
    SpeedDialRecord record = ReadRecord();
    EncodeRelayFax(record, "P12/5/#3/*/**/123/0/000/12*/*1/#0/#10/ab");
    EXPECT_EQ(record.relayPFlag, '1');
    EXPECT_EQ(FieldText(record.relayStation), "12");
    EXPECT_EQ(Destinations(record), (std::vector<std::string>{"005", "0#3", "00*", "0**", "12\0"s,
                                                              "000", "000", "12\0"s}));
}

struct DestinationCase {
    const char* part;
    const char* stored;  // nullptr: refused
};

class RelayDestination : public testing::TestWithParam<DestinationCase> {};

TEST_P(RelayDestination, IsStoredAsThreeBytesOrRefused) {
    SpeedDialRecord record;
    EncodeRelayFax(record, "1/"s + GetParam().part);
    if (GetParam().stored == nullptr) {
        EXPECT_EQ(record.relayCount, 0);
        EXPECT_TRUE(IsZero(record.relayDestinations, sizeof record.relayDestinations));
    } else {
        ASSERT_EQ(record.relayCount, 1);
        EXPECT_EQ(Destination(record, 0), std::string(GetParam().stored, 3));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RelayDestination,
    testing::Values(DestinationCase{"1", "001"}, DestinationCase{"12", "012"},
                    DestinationCase{"012", "012"}, DestinationCase{"0", "000"},
                    DestinationCase{"000", "000"}, DestinationCase{"#3", "0#3"},
                    DestinationCase{"*", "00*"}, DestinationCase{"**", "0**"},
                    DestinationCase{"5*", "05*"}, DestinationCase{"123", "12\0"},
                    DestinationCase{"12*", "12\0"}, DestinationCase{"1234", "12\0"},
                    DestinationCase{"ab", nullptr}, DestinationCase{"*1", nullptr},
                    DestinationCase{"#0", nullptr}, DestinationCase{"#10", nullptr},
                    DestinationCase{"#a", nullptr}, DestinationCase{"00a", nullptr},
                    DestinationCase{"*12", nullptr}));

TEST(EncodeRelayFax, CutsTheStationBeforeCheckingIt) {
    SpeedDialRecord record;
    EXPECT_EQ(EncodeRelayFax(record, "100/1"), 1);
    EXPECT_EQ(FieldText(record.relayStation), "10");
    EXPECT_EQ(Destinations(record), std::vector<std::string>{"001"});
}

TEST(EncodeRelayFax, NeedsBothAStationAndADestination) {
    SpeedDialRecord record;
    EXPECT_EQ(EncodeRelayFax(record, "0/1"), 0);
    EXPECT_EQ(FieldText(record.relayStation), "");
    EXPECT_EQ(record.relayCount, 1);

    EXPECT_EQ(EncodeRelayFax(record, "7"), 0);
    EXPECT_EQ(FieldText(record.relayStation), "7");
    EXPECT_EQ(record.relayCount, 0);

    EXPECT_EQ(EncodeRelayFax(record, "7/"), 0);
    EXPECT_EQ(record.relayCount, 0);

    EXPECT_EQ(EncodeRelayFax(record, "P"), 0);
    EXPECT_EQ(record.relayPFlag, '1');
    EXPECT_EQ(FieldText(record.relayStation), "");

    EXPECT_EQ(EncodeRelayFax(record, "p1/2"), 0);  // only an upper-case P is the flag
    EXPECT_EQ(record.relayPFlag, '0');
}

TEST(EncodeRelayFax, KeepsTwentyDestinationsAndSkipsRefusedOnes) {
    std::string text = "9";
    for (int i = 1; i <= 22; ++i) {
        text += "/" + std::to_string(i) + (i == 3 ? "/ab//#0" : "");
    }
    SpeedDialRecord record;
    EXPECT_EQ(EncodeRelayFax(record, text), 1);
    ASSERT_EQ(record.relayCount, 20);
    EXPECT_EQ(Destination(record, 0), "001");
    EXPECT_EQ(Destination(record, 19), "020");
    EXPECT_TRUE(IsZero(record.relayDestinations + 60, 40));
}

TEST(EncodeRelayFax, ResetsWhatAnEarlierTextLeft) {
    SpeedDialRecord record = ReadRecord();
    EncodeRelayFax(record, "P12/1/2/3");
    EXPECT_EQ(EncodeRelayFax(record, ""), 0);
    EXPECT_EQ(record.relayPFlag, '0');
    EXPECT_EQ(record.relayCount, 0);
    EXPECT_TRUE(IsZero(record.relayStation, sizeof record.relayStation));
    EXPECT_TRUE(IsZero(record.relayDestinations, sizeof record.relayDestinations));
}

TEST(EncodeSecureFax, TakesIdAndOptionalPassword) {
    SpeedDialRecord record;
    EXPECT_EQ(EncodeSecureFax(record, EncodeOptionValue("12")), 1);
    EXPECT_EQ(FieldText(record.secureId), "12");
    EXPECT_EQ(FieldText(record.securePassword), "");

    EXPECT_EQ(EncodeSecureFax(record, EncodeOptionValue("12345")), 1);
    EXPECT_EQ(FieldText(record.secureId), "123");

    EXPECT_EQ(EncodeSecureFax(record, EncodeOptionValue("7:abcdef")), 1);
    EXPECT_EQ(FieldText(record.securePassword), "abcd");

    EXPECT_EQ(EncodeSecureFax(record, EncodeOptionValue("7:")), 1);
    EXPECT_EQ(FieldText(record.securePassword), "");
}

TEST(EncodeSecureFax, AShortPasswordIsStoredButUnusable) {
    SpeedDialRecord record;
    EXPECT_EQ(EncodeSecureFax(record, EncodeOptionValue("7:ab")), 0);
    EXPECT_EQ(FieldText(record.secureId), "7");
    EXPECT_EQ(FieldText(record.securePassword), "ab");
}

TEST(EncodeSecureFax, RefusesEmptyIdsAndUndecodableTexts) {
    SpeedDialRecord record;
    EXPECT_EQ(EncodeSecureFax(record, EncodeOptionValue(":abcd")), 0);
    EXPECT_EQ(FieldText(record.securePassword), "abcd");

    EncodeSecureFax(record, EncodeOptionValue("123:4567"));
    EXPECT_EQ(EncodeSecureFax(record, "LJWwx"), 0);
    EXPECT_TRUE(IsZero(record.secureId, 9));
    EXPECT_EQ(EncodeSecureFax(record, ""), 0);
    EXPECT_TRUE(IsZero(record.secureId, 9));
}

TEST(EncodeFCode, CutsBothPartsToTwentyBytes) {
    const std::string sub(25, 's');
    const std::string password(30, 'p');
    SpeedDialRecord record;
    EncodeFCode(record, EncodeOptionValue(sub + ":" + password));
    EXPECT_EQ(FieldText(record.fCodeSubaddress), sub.substr(0, 20));
    EXPECT_EQ(FieldText(record.fCodePassword), password.substr(0, 20));
}

TEST(EncodeFCode, FillsOnlyWhatTheValueHas) {
    SpeedDialRecord record;
    EncodeFCode(record, EncodeOptionValue("0123"));
    EXPECT_EQ(FieldText(record.fCodeSubaddress), "0123");
    EXPECT_EQ(FieldText(record.fCodePassword), "");

    EncodeFCode(record, EncodeOptionValue("45:"));
    EXPECT_EQ(FieldText(record.fCodeSubaddress), "45");
    EXPECT_EQ(FieldText(record.fCodePassword), "");
}

TEST(EncodeFCode, LeavesNoBytesOfAnEarlierLongerValue) {
    SpeedDialRecord record;
    EncodeFCode(record, EncodeOptionValue("abcdefgh:12345678"));
    EncodeFCode(record, EncodeOptionValue("xy:9"));
    EXPECT_TRUE(IsZero(record.fCodeSubaddress + 2, sizeof record.fCodeSubaddress - 2));
    EXPECT_TRUE(IsZero(record.fCodePassword + 1, sizeof record.fCodePassword - 1));
}

TEST(EncodeFCode, DecodesTextsBeyondSixtyThreeBytes) {
    const std::string value = std::string(40, 'a') + ":" + std::string(40, 'b');
    SpeedDialRecord record;
    EncodeFCode(record, EncodeOptionValue(value));
    EXPECT_EQ(FieldText(record.fCodeSubaddress), std::string(20, 'a'));
    EXPECT_EQ(FieldText(record.fCodePassword), std::string(20, 'b'));
}

TEST(ApplyFaxOptions, EmptyTextsGiveAPlainRecord) {
    SpeedDialRecord record = ReadRecord();
    ApplyFaxOptions(record, "", "", "");
    SpeedDialRecord expected = ReadRecord();
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0);
    EXPECT_EQ(record.transmissionType, '0');
}

TEST(ApplyFaxOptions, SetsTheTransmissionTypeFromRelayAndSecure) {
    const std::string secure = EncodeOptionValue("123:4567");
    SpeedDialRecord record = ReadRecord();
    ApplyFaxOptions(record, "05/001/002", "", "");
    EXPECT_EQ(record.transmissionType, '1');
    ApplyFaxOptions(record, "", secure, "");
    EXPECT_EQ(record.transmissionType, '4');
    ApplyFaxOptions(record, "05/001", secure, "");
    EXPECT_EQ(record.transmissionType, '0');
    EXPECT_EQ(record.relayCount, 1);
    EXPECT_EQ(FieldText(record.secureId), "123");
    ApplyFaxOptions(record, "05", secure.substr(1), "");
    EXPECT_EQ(record.transmissionType, '0');
}

TEST(ApplyFaxOptions, TouchesNoFieldTheReaderFilled) {
    SpeedDialRecord record = ReadRecord();
    const std::string longValue =
        EncodeOptionValue(std::string(200, '9') + ":" + std::string(200, '8'));
    ApplyFaxOptions(record, "P" + std::string(500, '1') + "/" + std::string(300, '/'), longValue,
                    longValue);
    const SpeedDialRecord expected = ReadRecord();
    EXPECT_EQ(std::memcmp(&record, &expected, 68), 0);
    EXPECT_TRUE(IsZero(record.reserved78, sizeof record.reserved78));
    EXPECT_TRUE(IsZero(record.reserved188, sizeof record.reserved188));
    EXPECT_TRUE(IsZero(record.reserved234, sizeof record.reserved234));
    EXPECT_EQ(FieldText(record.secureId), "999");
    EXPECT_EQ(FieldText(record.securePassword), "8888");
}

}  // namespace
