// What the album tests share: a folder of their own, message boxes answered
// and recorded, records made in one line, and the whole album as a value
// that two states can be compared by.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "album/doc/OvalbumDoc.h"
#include "framework/MessageBox.h"
#include "platform/AtomicFile.h"

namespace albumtest {

inline std::unique_ptr<COvalbumRec> MakeRecord(const std::string& path, const std::string& alias = {},
                                               int32_t created = 0, int32_t modified = 0)
{
    auto record = std::make_unique<COvalbumRec>();
    record->path = path;
    record->alias = alias;
    record->creationTime = created;
    record->modificationTime = modified;
    return record;
}

// Everything an album file holds, comparable.
using RecordValue = std::tuple<std::string, std::string, std::string, std::string, std::string, int32_t, int32_t,
                               int32_t, AlbumThumbnailBlock>;
struct AlbumValue {
    std::string comments, group, subgroup, alias;
    int32_t viewOnlyFound = 0;
    std::vector<RecordValue> records;
    bool operator==(const AlbumValue&) const = default;
};

inline AlbumValue ValueOf(const COvalbumDoc& doc)
{
    AlbumValue v{doc.comments, doc.groupCaption, doc.subgroupCaption, doc.aliasCaption, doc.viewOnlyFound, {}};
    for (const auto& r : doc.GetRecords())
        v.records.emplace_back(r->path, r->group, r->subgroup, r->alias, r->comments, r->creationTime,
                               r->modificationTime, r->hasThumbnail, r->hasThumbnail ? r->thumbnail : AlbumThumbnailBlock{});
    return v;
}

inline std::vector<uint8_t> FileBytes(const std::string& path)
{
    const std::string text = platform::AtomicFile::ReadAll(path);
    return {text.begin(), text.end()};
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    platform::AtomicFile::Replace(path, bytes);
}

class AlbumFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r);
            return fw::IDOK;
        });
    }
    void TearDown() override { fw::SetMessageBoxHook({}); }
    std::string PathOf(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    std::string Folder() const { return dir.path().toStdString() + "/"; }

    QTemporaryDir dir;
    std::vector<fw::MessageBoxRequest> messages;
};

} // namespace albumtest
