#include "RecordBytes.h"

#include "afx/CArchiveException.h"

#include <gtest/gtest.h>

namespace {

COptions HeldRecord()
{
    COptions record;
    record.m_strTable = "MINE";
    record.m_strCount = "50";
    record.AddAnswered("1");
    record.AddMissed("1");
    return record;
}

std::string ValidFile()
{
    COptions record;
    record.m_strTable = "BOOK1";
    record.m_strTitle = "Book 1";
    record.m_strCount = "25";
    for (const char* n : {"1", "2", "3"}) {
        record.AddAnswered(n);
        record.AddCorrect(n);
    }
    record.AddTagged1("2");
    return StoreRecord(record);
}

void ExpectUnchangedAfterFailedLoad(const std::string& bytes, const char* what)
{
    COptions record = HeldRecord();
    const std::string before = StoreRecord(record);
    EXPECT_THROW(LoadRecord(record, bytes), CArchiveException) << what;
    EXPECT_EQ(StoreRecord(record), before) << what;
}

} // namespace

TEST(RecordSafety, TruncationAtEveryOffsetFailsAndChangesNothing)
{
    const std::string file = ValidFile();
    for (size_t length = 1; length < file.size(); ++length)
        ExpectUnchangedAfterFailedLoad(file.substr(0, length), "truncated");
}

TEST(RecordSafety, ClaimsBeyondTheBytesPresentFailFast)
{
    std::string huge = Bytes({0, 0, 0});
    huge += std::string(24, '\0');
    huge += Bytes({0, 0, 0, 0, 0});
    huge += Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}); // 4 billion pairs
    ExpectUnchangedAfterFailedLoad(huge, "count of 4 billion");
    ExpectUnchangedAfterFailedLoad(Bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 'x'}),
                                   "string length past the end");
    ExpectUnchangedAfterFailedLoad(Bytes({0xFF, 0xFE, 0xFF, 0x01, 'x'}), "wide-text marker");
}

TEST(RecordSafety, TrailingBytesAreIgnored)
{
    COptions record;
    LoadRecord(record, ValidFile() + "trailing garbage");
    EXPECT_EQ(StoreRecord(record), ValidFile());
}
