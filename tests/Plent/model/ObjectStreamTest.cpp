#include "FileFixtures.h"

#include "Plent/model/CLoadSaveObject.h"

using namespace fixtures;
using Plent::CLoadSaveObject;

namespace {

class ObjectStream : public ::testing::Test {
protected:
    std::string written(const std::function<void(CLoadSaveObject&)>& write)
    {
        CLoadSaveObject s;
        s.setFileName(path);
        write(s);
        s.CloseLSO();
        return readFile(path);
    }
    void store(const std::string& bytes)
    {
        writeFile(path, bytes);
        in.setFileName(path);
    }

    TempDir dir;
    std::string path = dir.file("stream.dat");
    CLoadSaveObject in;
};

} // namespace

TEST_F(ObjectStream, ItemsAreLittleEndianWithNothingBetween)
{
    EXPECT_EQ(hex(written([](auto& s) { s.WriteINTEGER(-1); s.WriteINTEGER(0x1234); s.WriteSTRING(""); })),
              "FF FF 34 12 00 00");
    EXPECT_EQ(hex(written([](auto& s) { s.WriteDATE(0.5); })), "00 00 00 00 00 00 E0 3F");
    EXPECT_EQ(hex(written([](auto& s) { s.WriteHEADER("colDays", 0); })),
              "39 28 07 00 63 6F 6C 44 61 79 73 00 00");
}

TEST_F(ObjectStream, ItemsReadBackAsWritten)
{
    written([](auto& s) { s.WriteINTEGER(-32768); s.WriteDATE(36526.75); s.WriteSTRING("Gebühr €5"); s.WriteHEADER("X", 3); });
    in.setFileName(path);
    int16_t i = 0, version = 0;
    double d = 0;
    std::string text, name;
    EXPECT_TRUE(in.ReadINTEGER(i));
    EXPECT_TRUE(in.ReadDATE(d));
    EXPECT_TRUE(in.ReadSTRING(text));
    EXPECT_TRUE(in.ReadHEADER(name, version));
    EXPECT_EQ(i, -32768);
    EXPECT_EQ(d, 36526.75);
    EXPECT_EQ(text, "Gebühr €5");
    EXPECT_EQ(name, "X");
    EXPECT_EQ(version, 3);
    EXPECT_FALSE(in.ReadHEADER(name, version));
}

// The reads reuse the caller's text: nothing of what it held may remain.
TEST_F(ObjectStream, ReadsIntoATextThatHeldSomethingLonger)
{
    written([](auto& s) { s.WriteSTRING("é"); s.WriteHEADER("Y", 1); s.WriteINTEGER(10297); s.WriteINTEGER(1); });
    in.setFileName(path);
    std::string text = "a much longer text than the stored one", name = text;
    int16_t version = 0;
    EXPECT_TRUE(in.ReadSTRING(text));
    EXPECT_EQ(text, "é");
    EXPECT_TRUE(in.ReadHEADER(name, version));
    EXPECT_EQ(name, "Y");
    const int64_t before = in.Position();
    EXPECT_FALSE(in.ReadHEADER(name, version)); // a magic with a cut-short name
    EXPECT_EQ(name, "");
    EXPECT_EQ(in.Position(), before);
}

TEST_F(ObjectStream, StringsAreWindows1252OnDiskWithQuestionMarksForTheRest)
{
    EXPECT_EQ(hex(written([](auto& s) { s.WriteSTRING("Gebühr €5"); })), "09 00 47 65 62 FC 68 72 20 80 35");
    EXPECT_EQ(written([](auto& s) { s.WriteSTRING("日本"); }), std::string("\x02\x00??", 4));
}

TEST_F(ObjectStream, TheLengthLimitCountsStoredCharacters)
{
    std::string longest;
    for (int i = 0; i < 32767; ++i) longest += "ü";
    EXPECT_EQ(written([&](auto& s) { s.WriteSTRING(longest); }).size(), 2u + 32767);

    writeFile(path, "old");
    CLoadSaveObject s;
    s.setFileName(path);
    s.WriteINTEGER(1);
    const auto e = errorOf([&] { s.WriteSTRING(std::string(32768, 'x')); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 6);
    EXPECT_EQ(e->source(), "CLSO::WriteSTRING");
    // The failure closed the stream: the next write starts a new file.
    s.WriteINTEGER(7);
    s.CloseLSO();
    EXPECT_EQ(hex(readFile(path)), "07 00");
}

TEST_F(ObjectStream, ANegativeLengthIsAnInvalidArgumentAndClosesTheFile)
{
    store(Bytes().integer(-2).data);
    std::string text;
    auto e = errorOf([&] { in.ReadSTRING(text); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 5);
    EXPECT_EQ(e->source(), "CLSO::ReadSTRING");
    // Reopened from the start by the next read.
    int16_t value = 0;
    EXPECT_TRUE(in.ReadINTEGER(value));
    EXPECT_EQ(value, -2);

    store(Bytes().integer(10297).integer(-1).data);
    CLoadSaveObject again;
    again.setFileName(path);
    int16_t version = 0;
    e = errorOf([&] { again.ReadHEADER(text, version); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->source(), "CLSO::ReadHEADER");
}

TEST_F(ObjectStream, ReadsAtTheEndAnswerFalseWithZeroOrWhatWasThere)
{
    store(Bytes().integer(5).data + "ab" + "\x01");
    std::string text;
    int16_t value = 9;
    double date = 9;
    EXPECT_FALSE(in.ReadSTRING(text));
    EXPECT_EQ(text, "ab\x01");
    EXPECT_FALSE(in.ReadINTEGER(value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(in.ReadDATE(date));
    EXPECT_EQ(date, 0);

    store("\x07");
    CLoadSaveObject oneByte;
    oneByte.setFileName(path);
    EXPECT_FALSE(oneByte.ReadINTEGER(value));

    store(Bytes().integer(4).data);
    CLoadSaveObject exact;
    exact.setFileName(path);
    EXPECT_TRUE(exact.ReadINTEGER(value));
}

TEST_F(ObjectStream, ReadHeaderConsumesNothingWhenNoCompleteHeaderFollows)
{
    const std::string whole = Bytes().header("colDays").data;
    std::string name;
    int16_t version = 0, value = 0;
    for (size_t cut : {0, 1, 2, 3, 8, 11, 12}) {
        SCOPED_TRACE(cut);
        store(Bytes().integer(42).data + whole.substr(0, cut));
        CLoadSaveObject s;
        s.setFileName(path);
        s.ReadINTEGER(value);
        EXPECT_FALSE(s.ReadHEADER(name, version));
        EXPECT_EQ(name, "");
        EXPECT_EQ(version, -1);
        if (cut >= 2) {
            EXPECT_TRUE(s.ReadINTEGER(value));
            EXPECT_EQ(value, 10297);
        }
    }
    store(Bytes().integer(10296).string("colDays").integer(0).data);
    EXPECT_FALSE(in.ReadHEADER(name, version));
    EXPECT_TRUE(in.ReadINTEGER(value));
    EXPECT_EQ(value, 10296);
}

TEST_F(ObjectStream, RestorePosAfterAHeaderReadsItAgain)
{
    store(Bytes().header("colDays").header("CDay").data);
    std::string name;
    int16_t version = 0;
    ASSERT_TRUE(in.ReadHEADER(name, version));
    in.RestorePos();
    ASSERT_TRUE(in.ReadHEADER(name, version));
    EXPECT_EQ(name, "colDays");
    ASSERT_TRUE(in.ReadHEADER(name, version));
    EXPECT_EQ(name, "CDay");
}

TEST_F(ObjectStream, AMissingFileFailsUnderTheOutermostOperation)
{
    in.setFileName(dir.file("missing.dat"));
    std::string text;
    int16_t value = 0;
    for (auto [op, source] : std::vector<std::pair<std::function<void()>, std::string>>{
             {[&] { in.ReadHEADER(text, value); }, "CLSO::ReadHEADER"},
             {[&] { in.ReadSTRING(text); }, "CLSO::ReadSTRING"},
             {[&] { in.ReadINTEGER(value); }, "CLSO::ReadINTEGER"},
             {[&] { in.OpenLSO(1); }, "CLSO::OpenLSO"}}) {
        const auto e = errorOf(op);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number(), 53);
        EXPECT_EQ(e->source(), source);
        EXPECT_EQ(e->description(), "File not found: '" + dir.file("missing.dat") + "'");
    }
    EXPECT_EQ(errorOf([&] { in.OpenLSO(3); })->number(), 5);
}

TEST_F(ObjectStream, TheFileIsReplacedOnlyWhenTheWriterIsClosed)
{
    writeFile(path, std::string(100, 'x'));
    {
        CLoadSaveObject abandoned;
        abandoned.setFileName(path);
        abandoned.WriteHEADER("CPlentEngine", 0);
    }
    EXPECT_EQ(readFile(path), std::string(100, 'x'));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"stream.dat"});

    EXPECT_EQ(written([](auto& s) { s.WriteHEADER("colDays", 0); }).size(), 13u);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"stream.dat"});
}
