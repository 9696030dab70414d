#include "base/QnRcStr.h"

bool QnStaticStringSource::Find(int id, std::string& text) const
{
    for (const QnStringTableEntry& entry : table_) {
        if (entry.id == id) {
            text = entry.text;
            return true;
        }
    }
    return false;
}

void QnRcStr::SetResourceModule(std::shared_ptr<const QnStringSource> source)
{
    std::lock_guard lock(mutex_);
    source_ = std::move(source);
}

void QnRcStr::SetTable(std::span<const QnStringTableEntry> table)
{
    SetResourceModule(std::make_shared<QnStaticStringSource>(table));
}

std::string QnRcStr::operator()(int id) const
{
    std::string text;
    if (Find(id, text))
        return text;
    return "Message " + std::to_string(id);
}

bool QnRcStr::Has(int id) const
{
    std::string text;
    return Find(id, text);
}

bool QnRcStr::Find(int id, std::string& text) const
{
    std::shared_ptr<const QnStringSource> source;
    {
        std::lock_guard lock(mutex_);
        source = source_;
    }
    return source && source->Find(id, text);
}
