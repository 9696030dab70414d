// A module's message texts by id. Each library keeps one static QnRcStr and
// points it at its own string table when it is loaded.
#pragma once

#include <memory>
#include <mutex>
#include <span>
#include <string>

struct QnStringTableEntry {
    int id;
    const char* text;
};

// Where a module's string table comes from: a table compiled into the
// library, or the resources the module carries.
class QnStringSource {
public:
    virtual ~QnStringSource() = default;
    // True and the text of id, or false when the table has no such entry.
    virtual bool Find(int id, std::string& text) const = 0;
};

// A table compiled into the library.
class QnStaticStringSource : public QnStringSource {
public:
    explicit QnStaticStringSource(std::span<const QnStringTableEntry> table) : table_(table) {}
    bool Find(int id, std::string& text) const override;

private:
    std::span<const QnStringTableEntry> table_;
};

class QnRcStr {
public:
    explicit QnRcStr(int = 0) {}

    void SetResourceModule(std::shared_ptr<const QnStringSource> source);
    void SetTable(std::span<const QnStringTableEntry> table);

    // Entry id of the module's table; an id the table lacks gives a text
    // naming the id, so that a message box never comes up blank.
    std::string operator()(int id) const;
    bool Has(int id) const;

private:
    bool Find(int id, std::string& text) const;

    mutable std::mutex mutex_;
    std::shared_ptr<const QnStringSource> source_;
};
