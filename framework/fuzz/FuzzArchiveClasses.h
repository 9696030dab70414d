// Classes of the archive's fuzz target and of its seeds: a record of plain
// fields, and a node that owns a list of objects and an optional record, so
// that a reader meets new and known classes, null, references back and
// objects nested in objects.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/ArchiveCollections.h"

class CFuzzItem : public fw::Object {
    FW_DECLARE_SERIAL(CFuzzItem)
public:
    uint32_t command = 0;
    std::string name;
    double weight = 0;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            ar << command << name << weight;
        else
            ar >> command >> name >> weight;
    }
};

class CFuzzNode : public fw::Object {
    FW_DECLARE_SERIAL(CFuzzNode)
public:
    std::string label;
    std::vector<std::string> tags;
    std::vector<std::unique_ptr<fw::Object>> children;
    std::unique_ptr<CFuzzItem> item;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar << label;
            fw::SerializeStrings(ar, tags);
            fw::SerializeObjects(ar, children);
            ar.WriteObject(item.get());
            return;
        }
        ar >> label;
        fw::SerializeStrings(ar, tags);
        fw::SerializeObjects(ar, children);
        item = ar.ReadOwnedObjectAs<CFuzzItem>();
    }
};
