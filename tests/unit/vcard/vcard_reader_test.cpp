#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "contactfile/contact_file_reader.h"
#include "tests/unit/contactfile/fake_contact_file_dialogs.h"
#include "tests/unit/test_platform.h"

using namespace recipients;
using namespace contactfile;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class VCardReaderTest : public testing::Test {
  protected:
    Pairs Read(std::string_view bytes,
               recipients::SourceKind kind = recipients::kSourceCsvAutoSearch) {
        dialogs.candidatesShown.clear();
        text::TextImage image;
        EXPECT_EQ(image.Assign(bytes, TestPlatform(), &kContactExport), 0);
        RecipientCollection collection;
        result = ReadContactImage(image, "cards.vcf", collection, rejected, kind, dialogs,
                                  TestPlatform());
        return dialogs.candidatesShown;
    }

    FakeContactFileDialogs dialogs;
    int rejected = -1;
    int result = -1;
};

TEST_F(VCardReaderTest, VersionTwoOneWithQuotedPrintableFoldingAndBareTypes) {
    EXPECT_EQ(
        Read("\r\n begin:vcard\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1:M\xFCller;Anna;Maria;Dr.\r\n"
             "TEL;WORK;FAX:+49 (30) 1234-5\r\nTEL;HOME;VOICE:111\r\n"
             "NOTE;ENCODING=QUOTED-PRINTABLE:a=\r\nTEL;FAX:1\r\nTEL;FAX:2\r\n"
             "TEL;FAX;ENCODING=QUOTED-PRINTABLE:=33=\r\n4\r\nEND:VCARD\r\n"),
        (Pairs{{"Anna Maria M\xFCller", "+49(30)1234-5"},
               {"Anna Maria M\xFCller", "2"},
               {"Anna Maria M\xFCller", "34"}}));
    EXPECT_EQ(rejected, 0);
    EXPECT_EQ(dialogs.mapCalls, 0);
}

TEST_F(VCardReaderTest, VersionThreeAndFourTypesGroupsEscapesAndTelUris) {
    EXPECT_EQ(Read("BEGIN:VCARD\nVERSION:3.0\nFN:Smith\\, J\\;\n  r. [x]\n"
                   "item1.TEL;type=WORK;type=FAX:1\nTEL;TYPE=WORK,FAX:2\nTEL;TYPE=CELL:3\n"
                   "END:VCARD\nBEGIN:VCARD\nVERSION:4.0\nORG:Acme\\; Inc;Sales\n"
                   "TEL;TYPE=\"fax,work\";VALUE=uri:tel:+1-555-0100;ext=12\n"
                   "TEL;VALUE=text;TYPE=fax:555 0199;ext=7\nEND:VCARD\n",
                   recipients::kSourceCsvMapped),
              (Pairs{{"Smith, J; r. (x)", "1"},
                     {"Smith, J; r. (x)", "2"},
                     {"Acme; Inc", "+1-555-0100"},
                     {"Acme; Inc", "5550199"}}));
    EXPECT_EQ(dialogs.mapCalls, 0);
}

TEST_F(VCardReaderTest, CardsWithoutUsableFaxAreRejectedLines) {
    EXPECT_EQ(Read("BEGIN:VCARD\nFN:Ann\nTEL:1\nEND:VCARD\nBEGIN:VCARD\nN:;Bob\nTEL;FAX:none\n"
                   "END:VCARD\nBEGIN:VCARD\nFN: \nN:Doe;;;\nTEL;FAX:5\nBEGIN:VCARD\nFN:Eve\n"
                   "TEL;FAX:6"),
              (Pairs{{"Bob", ""}, {"Doe", "5"}, {"Eve", "6"}}));
    EXPECT_EQ(rejected, 2);
}

TEST_F(VCardReaderTest, LargeCardsEndWithAResult) {
    std::string many;
    for (int i = 0; i < 100'000; ++i) {
        many += "BEGIN:VCARD\r\nFN:A\r\nTEL;FAX:" + std::to_string(i) + "\r\nEND:VCARD\r\n";
    }
    EXPECT_EQ(Read(many).size(), 100'000u);
    std::string phones = "BEGIN:VCARD\nFN:B\n";
    for (int i = 0; i < 10'000; ++i) {
        phones += "TEL;TYPE=FAX:" + std::to_string(i) + "\n";
    }
    EXPECT_EQ(Read(phones).size(), 10'000u);
    EXPECT_EQ(
        Read("BEGIN:VCARD\n" + std::string(1'000'000, ' ') + "\n" + std::string(100'000, '\n'))
            .size(),
        0u);
    EXPECT_EQ(rejected, 1);
}

TEST_F(VCardReaderTest, TenMegabyteLabelsAndManyLabelledNumbersEndWithAResult) {
    const std::string label(10'000'000, 'x');
    EXPECT_EQ(Read("BEGIN:VCARD\nFN:A\nitem1.TEL:1\nitem1.X-ABLabel:" + label +
                   "FAX\nitem2.X-ABLabel:" + label + "\nitem2.TEL:2\nEND:VCARD\n"),
              (Pairs{{"A", "1"}}));
    // In UTF-8 the labels are read in the file's own text as well.
    EXPECT_EQ(Read("BEGIN:VCARD\nFN:\xC3\x89\nitem1.TEL:3\nitem1.X-ABLabel:" + label +
                   "\xD1\x84\xD0\xB0\xD0\xBA\xD1\x81\nEND:VCARD\n"),
              (Pairs{{"\xC9", "3"}}));
    std::string numbers = "BEGIN:VCARD\nFN:B\n";
    for (int i = 0; i < 100'000; ++i) {
        const std::string group = "item" + std::to_string(i);
        numbers += group + ".TEL:" + std::to_string(i) + "\n" + group +
                   ".X-ABLabel:" + (i % 2 == 0 ? "Telefax" : "Mobil") + "\n";
    }
    EXPECT_EQ(Read(numbers).size(), 50'000u);
}

}  // namespace
