#include "model/ChannelImport.h"

#include "CloneFiles.h"
#include "model/ChannelExport.h"
#include "model/ChannelPlan.h"
#include "model/datCh.h"
#include "overlay/DefinitionSource.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace model;

cmcEeprom Initial(int modelType) {
    cmcEeprom image;
    EXPECT_EQ(testmodel::ReadInitialFile(testmodel::ShippedInitialFile(modelType), image), 0);
    return image;
}

// An image whose channel lists differ from the factory data in every kind of field.
cmcEeprom Edited(int modelType) {
    cmcEeprom image = Initial(modelType);
    datCh r(image);
    r.Load(kPlanUsa, 40);
    r.MarkA = true;
    r.Tagged = r.Poc = true;
    r.Store(0, 40);
    r.Load(kPlanCanada, 44);
    r.MarkB = true;
    r.Inhibited = true; // a marked, inhibited row is a warning, not an error
    r.Store(0, 44);
    r.Load(kPlanInternational, 2);
    r.TxInhibit = true;
    r.Store(0, 2);
    r.Load(kPlanWeather, 3);
    r.Inhibited = true;
    r.Store(0, 3);
    r.Load(kPlanFree, 7);
    r.RxHz = 156'012'500;
    r.TxHz = 160'612'500;
    r.RxBlank = r.TxBlank = false;
    r.Name = {'H', 'i', 'A'};
    r.Store(0, 7);
    r.Load(kPlanFree, 8);
    r.RxHz = r.TxHz = 161'000'000;
    r.RxBlank = r.TxBlank = false;
    r.Name = {'0', '8', ' '};
    r.Store(0, 8);
    return image;
}

// The bytes the channel lists keep (user attribute bits, free records, mark words, weather bits).
std::vector<std::uint8_t> ChannelBytes(const cmcEeprom& image) {
    std::vector<std::uint8_t> bytes;
    for (std::int32_t a = 0; a < 3 * kAttributeBlockSize; ++a) {
        bytes.push_back(image.GetByte(a) & kAttrUserBits);
    }
    for (std::int32_t a = kFreeRecordBase; a < kFreeRecordBase + kFreeChannelCount * kFreeRecordSize; ++a) {
        if ((a - kFreeRecordBase) % kFreeRecordSize != kFreeRecordSize - 1) { // the factory's byte stays
            bytes.push_back(image.GetByte(a));
        }
    }
    for (std::int32_t a = kMarkBBase; a < kWeatherBits + 2; ++a) {
        bytes.push_back(image.GetByte(a));
    }
    return bytes;
}

std::string Replace(std::string text, const std::string& line, const std::string& by) {
    const auto at = text.find(line + "\n");
    EXPECT_NE(at, std::string::npos) << line;
    return at == std::string::npos ? text : text.replace(at, line.size(), by);
}

TEST(ChannelImport, ExportThenImportOnAFreshImageGivesTheSameChannels) {
    for (int type = 0; type < 5; ++type) {
        cmcEeprom source = Edited(type);
        const std::string text = ExportChannels(source);
        cmcEeprom target = Initial(0);
        const ChannelImportResult result = ImportChannels(target, text);
        ASSERT_TRUE(result.Ok()) << "type " << type << ": line " << result.problem.line << " " << result.problem.key;
        EXPECT_EQ(result.rows, 3 * kPlanRowCount + kWeatherCount + kFreeChannelCount);
        EXPECT_EQ(ExportChannels(target), text) << type;
        EXPECT_EQ(ChannelBytes(target), ChannelBytes(source)) << type;
    }
}

TEST(ChannelImport, ByteOrderMarkAndCrLfLinesReadAsPlainText) {
    const std::string plain = ExportChannels(Edited(0));
    std::string windows = "\xEF\xBB\xBF";
    for (const char c : plain) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    cmcEeprom target = Initial(0);
    ASSERT_TRUE(ImportChannels(target, windows).Ok());
    EXPECT_EQ(ExportChannels(target), plain);
}

// A channel list as spreadsheet programs save it: `separator` between the fields, every field quoted
// when `quoteAll`, and `below` (empty rows) after the data. The lines of `plain` hold no quoted field.
std::string Reshaped(const std::string& plain, char separator, bool quoteAll, const std::string& below) {
    std::string text;
    std::istringstream lines(plain);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line + ",");
        std::string joined;
        for (std::string field; std::getline(fields, field, ',');) {
            joined += (joined.empty() ? "" : std::string(1, separator)) + (quoteAll ? '"' + field + '"' : field);
        }
        text += joined + "\r\n";
    }
    return text + below;
}

TEST(ChannelImport, SpreadsheetShapesReadAsTheExport) {
    const std::string plain = ExportChannels(Edited(0));
    ASSERT_EQ(plain.find('"'), std::string::npos);
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"every field quoted", Reshaped(plain, ',', true, "")},
        {"semicolons", Reshaped(plain, ';', false, "")},
        {"semicolons, quoted", Reshaped(plain, ';', true, "")},
        {"tabs", Reshaped(plain, '\t', false, "")},
        {"empty rows below", Reshaped(plain, ',', false, ",,,,,,,,,,,\r\n,,,,,,,,,,,\r\n\r\n")},
        {"empty quoted rows below, semicolons", Reshaped(plain, ';', true, "\"\";;;;;;;;;;;\n;;;\n")},
    };
    for (const auto& c : cases) {
        cmcEeprom target = Initial(0);
        const ChannelImportResult result = ImportChannels(target, c.text);
        ASSERT_TRUE(result.Ok()) << c.what << ": line " << result.problem.line << " " << result.problem.key;
        EXPECT_EQ(result.rows, 3 * kPlanRowCount + kWeatherCount + kFreeChannelCount) << c.what;
        EXPECT_EQ(ExportChannels(target), plain) << c.what;
    }
    // The separator is the header's: a semicolon in a comma-separated file is a field's text.
    cmcEeprom image = Initial(0);
    const ChannelImportResult mixed =
        ImportChannels(image, Reshaped(plain, ',', false, "").replace(plain.find("\nusa,") + 1, 4, "usa;"));
    EXPECT_EQ(mixed.problem.key, kCsvPlan);
}

TEST(ChannelImport, ALineChangesItsRowOnlyAndMarksMove) {
    cmcEeprom image = Initial(0);
    const std::string text = std::string(kChannelCsvHeader) + "\nusa,40,20,P,0,1,0,1,0,,,\n"
                                                              "\nweather,3,,,1,,,,,,,\n"
                                                              "free,7,8,,,,,,,156012500,,\"Hi\"\n";
    const ChannelImportResult result = ImportChannels(image, text);
    ASSERT_TRUE(result.Ok()) << result.problem.line << " " << result.problem.key;
    EXPECT_EQ(result.rows, 3);
    EXPECT_EQ(result.changed, 4); // the USA row, its P mark, the weather row, the free channel
    datCh r(image);
    r.Load(kPlanUsa, 40);
    EXPECT_TRUE(r.MarkA && r.Tagged && r.Poc && !r.Inhibited);
    for (int row = 0; row < kPlanRowCount; ++row) {
        r.Load(kPlanUsa, row);
        EXPECT_EQ(r.MarkA, row == 40) << row;
    }
    r.Load(kPlanWeather, 3);
    EXPECT_TRUE(r.Inhibited);
    r.Load(kPlanFree, 7);
    EXPECT_FALSE(r.RxBlank);
    EXPECT_TRUE(r.TxBlank);
    EXPECT_EQ(r.RxHz, 156'012'500U);
    EXPECT_EQ(NameText(r), "Hi");
    cmcEeprom untouched = Initial(0);
    r.Bind(untouched);
    r.Load(kPlanUsa, 41);
    datCh same(image);
    same.Load(kPlanUsa, 41);
    EXPECT_EQ(same.Tagged, r.Tagged);
}

TEST(ChannelImport, ValuesEqualToTheImagesKeepTheirBytes) {
    cmcEeprom image = Initial(0);
    datCh r(image);
    r.Load(kPlanFree, 2);
    r.Name = {'A', 0x01, 0x00}; // shown and exported as "A"
    r.RxHz = r.TxHz = 156'800'000;
    r.RxBlank = r.TxBlank = false;
    r.Store(0, 2);
    const cmcEeprom before = image;
    const ChannelImportResult result = ImportChannels(image, ExportChannels(image));
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.changed, 0);
    for (std::int32_t a = 0; a < image.GetSize(); ++a) {
        ASSERT_EQ(image.GetByte(a), before.GetByte(a)) << a;
    }
}

// The factory data of model type 0 with the International plan's P mark on its first row, allowed.
cmcEeprom MarkOnRow0() {
    cmcEeprom image = Initial(0);
    datCh r(image);
    r.Load(kPlanInternational, 0);
    r.MarkA = true;
    r.Inhibited = false;
    r.Store(0, 0);
    return image;
}

// Each bad file ends with one problem naming its line, and the image stays as it was.
TEST(ChannelImport, BadInputIsRefusedWithItsLineAndChangesNothing) {
    const std::string good = ExportChannels(MarkOnRow0());
    const std::string usa16 = "usa,32,16,P,0,0,0,0,1,,,";
    const std::string free0 = "free,0,1,,,,,,,,,";
    const std::string header = kChannelCsvHeader;
    const int usa16Line = 2 + kPlanRowCount + 32;
    const int free0Line = 2 + 3 * kPlanRowCount + kWeatherCount;
    const struct {
        const char* what;
        std::string text;
        int line;
        std::string_view key;
    } cases[] = {
        {"empty file", "", 1, kCsvHeader},
        {"wrong header", Replace(good, header, "plan,row,channel"), 1, kCsvHeader},
        {"header in capitals", Replace(good, header, "PLAN" + header.substr(4)), 1, kCsvHeader},
        {"missing column", Replace(good, usa16, "usa,32,16,P,0,0,0,0,1,,"), usa16Line, kCsvColumns},
        {"extra column", Replace(good, usa16, usa16 + ","), usa16Line, kCsvColumns},
        {"open quote", Replace(good, free0, "free,0,1,,,,,,,21700000,0,\"AB"), free0Line, kCsvQuote},
        {"unknown plan", Replace(good, usa16, "marine,32,16,PC,0,0,0,0,1,,,"), usa16Line, kCsvPlan},
        {"row past the plan", Replace(good, usa16, "usa,304,,,0,0,0,0,1,,,"), usa16Line, kCsvRow},
        {"row no number", Replace(good, usa16, "usa,-1,16,PC,0,0,0,0,1,,,"), usa16Line, kCsvRow},
        {"weather row 10", Replace(good, free0, "weather,10,11,,0,,,,,,,"), free0Line, kCsvRow},
        {"duplicate row", Replace(good, usa16, "usa,33,16A,,1,0,0,0,1,,,"), usa16Line + 1, kCsvDuplicate},
        {"renumbered channel", Replace(good, usa16, "usa,32,17,PC,0,0,0,0,1,,,"), usa16Line, kCsvChannel},
        {"flag 2", Replace(good, usa16, "usa,32,16,P,0,2,0,0,1,,,"), usa16Line, kCsvFlag},
        {"flag blank", Replace(good, usa16, "usa,32,16,P,,0,0,0,1,,,"), usa16Line, kCsvFlag},
        {"unknown mark", Replace(good, usa16, "usa,32,16,X,0,0,0,0,1,,,"), usa16Line, kCsvMark},
        {"second P",
         Replace(good, "usa,40,20,,0,0,0,0,0,,,", "usa,40,20,P,0,0,0,0,0,,,"),
         usa16Line + 8,
         kCsvMarkTwice},
        {"mark taken away", Replace(good, usa16, "usa,32,16,,0,0,0,0,1,,,"), usa16Line, kCsvMarkTaken},
        {"mark taken from row 0",
         Replace(good, "international,0,0,P,0,0,0,0,0,,,", "international,0,0,,0,0,0,0,0,,,"),
         2,
         kCsvMarkTaken},
        {"A channel duplex",
         Replace(good, "usa,45,22A,,0,0,0,0,1,,,", "usa,45,22A,,0,0,0,0,0,,,"),
         usa16Line + 13,
         kCsvSimplex},
        {"list row with a name", Replace(good, usa16, "usa,32,16,P,0,0,0,0,1,,,AB"), usa16Line, kCsvNotInPlan},
        {"weather row tagged",
         Replace(good, "weather,0,1,,0,,,,,,,", "weather,0,1,,0,1,,,,,,"),
         free0Line - 10,
         kCsvNotInPlan},
        {"free row inhibited", Replace(good, free0, "free,0,1,,1,,,,,21700000,0,"), free0Line, kCsvNotInPlan},
        {"frequency in MHz", Replace(good, free0, "free,0,1,,,,,,,156.8,0,"), free0Line, kCsvFrequency},
        {"off the raster", Replace(good, free0, "free,0,1,,,,,,,156013000,0,"), free0Line, kCsvRaster},
        {"below the limits", Replace(good, free0, "free,0,1,,,,,,,99993750,0,"), free0Line, kCsvLimits},
        {"above the limits", Replace(good, free0, "free,0,1,,,,,,,199993750,0,"), free0Line, kCsvLimits},
        {"transmit alone", Replace(good, free0, "free,0,1,,,,,,,,156800000,"), free0Line, kCsvTxAlone},
        {"name alone", Replace(good, free0, "free,0,1,,,,,,,,,AE"), free0Line, kCsvNameAlone},
        // An inhibited row's cells take no entry; nor does a row the line inhibits.
        {"tag on an inhibited row",
         Replace(good, "usa,2,1,,1,0,0,0,0,,,", "usa,2,1,,1,1,0,0,0,,,"),
         2 + kPlanRowCount + 2,
         kCsvInhibited},
        {"Poc on an inhibited row",
         Replace(good, "usa,2,1,,1,0,0,0,0,,,", "usa,2,1,,1,0,0,1,0,,,"),
         2 + kPlanRowCount + 2,
         kCsvInhibited},
        {"TX Inh. on a row the line inhibits",
         Replace(good, usa16, "usa,32,16,P,1,0,1,0,1,,,"),
         usa16Line,
         kCsvInhibited},
        {"long name", Replace(good, free0, "free,0,1,,,,,,,156800000,0,ABCD"), free0Line, kCsvNameLength},
        {"letter outside the set", Replace(good, free0, "free,0,1,,,,,,,156800000,0,AK"), free0Line, kCsvNameChar},
        {"last place set", Replace(good, free0, "free,0,1,,,,,,,156800000,0,AAC"), free0Line, kCsvNameChar},
        {"not ASCII", Replace(good, free0, "free,0,1,,,,,,,156800000,0,\xC3\xA9"), free0Line, kCsvNameChar},
        {"10 MB of garbage", std::string(10 * 1024 * 1024, 'x'), 0, kCsvTooLarge},
        {"one byte over the limit", std::string(kChannelCsvMaxBytes + 1, 'x'), 0, kCsvTooLarge},
        {"garbage at the limit", std::string(kChannelCsvMaxBytes, 'x'), 1, kCsvHeader}, // read, then refused
        {"binary", std::string("\0\x01\x02\n\xFF", 5), 1, kCsvHeader},
    };
    for (const auto& c : cases) {
        cmcEeprom image = MarkOnRow0();
        const cmcEeprom before = image;
        // A good change ahead of the bad line is not kept either.
        const bool wholeFile = c.key == kCsvHeader || c.key == kCsvTooLarge;
        const std::string text =
            wholeFile ? c.text : Replace(c.text, "international,2,1,,0,0,0,0,0,,,", "international,2,1,,1,0,0,0,0,,,");
        const ChannelImportResult result = ImportChannels(image, text);
        EXPECT_EQ(result.problem.key, c.key) << c.what;
        EXPECT_EQ(result.problem.line, c.line) << c.what;
        EXPECT_EQ(ChannelBytes(image), ChannelBytes(before)) << c.what;
    }
}

// Older exports wrote 21700000 and 0 for blank frequencies: they still read as blank. A line that allows
// an inhibited row may change its other cells at once. The frequency limits are those of the cells.
TEST(ChannelImport, OldBlankNumbersAllowedRowsAndTheLimitFrequenciesAreTaken) {
    cmcEeprom image = Initial(0);
    const cmcEeprom before = image;
    const std::string header = std::string(kChannelCsvHeader) + "\n";
    const ChannelImportResult old = ImportChannels(image, header + "free,0,1,,,,,,,21700000,0,\n");
    ASSERT_TRUE(old.Ok()) << old.problem.key;
    EXPECT_EQ(old.changed, 0);
    EXPECT_EQ(ChannelBytes(image), ChannelBytes(before));
    const ChannelImportResult allowed = ImportChannels(image, header + "usa,2,1,,0,1,0,1,0,,,\n");
    ASSERT_TRUE(allowed.Ok()) << allowed.problem.key;
    datCh r(image);
    r.Load(kPlanUsa, 2);
    EXPECT_TRUE(!r.Inhibited && r.Tagged && r.Poc);
    // The lowest and the highest frequency a cell takes are taken here too.
    const ChannelImportResult limits = ImportChannels(image, header + "free,1,2,,,,,,,100000000,199987500,\n");
    ASSERT_TRUE(limits.Ok()) << "the lowest and highest frequencies: " << limits.problem.key;
    r.Load(kPlanFree, 1);
    EXPECT_EQ(r.RxHz, 100'000'000U);
    EXPECT_EQ(r.TxHz, 199'987'500U);
}

TEST(ChannelImport, TheMessageNamesTheLineAndTheValue) {
    std::ifstream file(testmodel::ShippedOverlaySource("46_channel_csv.ovl"), std::ios::binary);
    std::stringstream overlay;
    overlay << file.rdbuf();
    TextDefinitionSource texts(overlay.str());
    cmcEeprom image = Initial(0);
    const std::string text = std::string(kChannelCsvHeader) + "\nfree,0,1,,,,,,,156013000,0,\n";
    const ChannelImportResult result = ImportChannels(image, text);
    EXPECT_EQ(ChannelCsvMessage(texts, result.problem),
              "Line 2: rx_hz 156013000 Hz is not on the radio's 6250 Hz raster.");
    const ChannelImportResult inhibited =
        ImportChannels(image, std::string(kChannelCsvHeader) + "\nusa,2,1,,1,1,0,0,0,,,\n");
    EXPECT_EQ(ChannelCsvMessage(texts, inhibited.problem),
              "Line 2: channel 1 is inhibited, so its tagged cannot change: give the row inhibited 0 to change it.");
    ChannelCsvProblem tooLarge{0, kCsvTooLarge, {"1048576"}};
    EXPECT_EQ(ChannelCsvMessage(texts, tooLarge).rfind("The file is larger than 1048576 bytes", 0), 0U);

    // What the file holds is quoted with its control bytes escaped: a NUL does not cut the message
    // short and an escape sequence does not reach the terminal. A header that is no export's says what
    // was expected and what was found.
    const std::string header = std::string(kChannelCsvHeader) + "\n";
    const struct {
        const char* what;
        std::string text;
        std::string message;
    } quoted[] = {
        {"NUL", header + std::string("us\0a,40,20,,0,1,0,0,0,,,\n", 25), "Line 2: 'us\\x00a' is no channel plan"},
        {"ESC", header + "\x1B[2Jusa,40,20,,0,1,0,0,0,,,\n", "Line 2: '\\x1B[2Jusa' is no channel plan"},
        {"C1 control and a stray byte",
         header + "free,0,1,,,,,,,156800000,0,\xC2\x9B\xFF\n",
         "the name '\\xC2\\x9B\\xFF' holds '\\xC2' in place 1"},
        {"other header",
         "\"Plan\";\"Row\";\"Channel\x07\"\n",
         "Expected the columns plan,row,channel,mark,inhibited,tagged,tx_inhibit,poc,simplex,rx_hz,tx_hz,name "
         "(separated by commas, semicolons or tabs); found 'Plan,Row,Channel\\x07'."},
    };
    for (const auto& c : quoted) {
        const std::string message = ChannelCsvMessage(texts, ImportChannels(image, c.text).problem);
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    }
}

TEST(ChannelImport, AFileLargerThanTheLimitIsNotReadWhole) {
    testsupport::TempDir dir;
    const auto path = dir.Path() / "large.csv";
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(kChannelCsvMaxBytes + 1, 'x');
    }
    std::string text;
    EXPECT_EQ(LoadChannelCsvFile(path, text).key, kCsvTooLarge);
    EXPECT_TRUE(text.empty());
    // A file of exactly the limit is read whole.
    std::filesystem::resize_file(path, kChannelCsvMaxBytes);
    EXPECT_EQ(LoadChannelCsvFile(path, text).key, "") << "a file of exactly the limit";
    EXPECT_EQ(text.size(), kChannelCsvMaxBytes);
    EXPECT_EQ(LoadChannelCsvFile(dir / "no-such-file.csv", text).key, kCsvCannotRead);
    EXPECT_EQ(LoadChannelCsvFile(dir.Path(), text).key, kCsvCannotRead);
}

} // namespace
