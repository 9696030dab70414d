// A sharing table kept as a map from a key to the one object entered for
// it: ordered by Less, or a hash map where the key is only two pointers.
// The table holds its objects as caches (discardable links):
// an object that nothing else reaches stays until a collection drops caches,
// and the table then forgets it. Tables are statics, locked for good.
#pragma once

#include "gc/QnGc.h"

#include <map>

template <class Key, class Obj, class Less, class Extract, class Map = std::map<Key, Obj*, Less>>
class QnObjMapObj : public QnObj {
public:
    QnObjMapObj()
    {
        Lock(1);
        RegisterObject();
    }
    ~QnObjMapObj() override
    {
        RevokeObject();
        map_.clear();
    }

    // The object entered for key, locked, or null. Takes the collector's lock.
    QnPp<Obj> Find(const Key& key) const
    {
        QnLockGc lock;
        auto it = map_.find(key);
        return it == map_.end() ? QnPp<Obj>() : QnPp<Obj>(it->second);
    }
    // Enters obj under its key unless an object is entered for that key
    // already; true when obj went in.
    bool Insert(Obj* obj)
    {
        QnLockGc lock;
        return map_.emplace(Extract()(obj), obj).second;
    }
    // Removes the entry of obj's key when it is obj; true when it was.
    bool Erase(Obj* obj)
    {
        QnLockGc lock;
        auto it = map_.find(Extract()(obj));
        if (it == map_.end() || it->second != obj)
            return false;
        map_.erase(it);
        return true;
    }
    size_t Size() const
    {
        QnLockGc lock;
        return map_.size();
    }

protected:
    void MarkDiscardableObjects(Visitor visit) override
    {
        for (const auto& [key, obj] : map_)
            visit(obj);
    }
    // Forgets obj; a different object entered under an equal key stays.
    void NoteObjectDiscarded(QnObj* obj) override
    {
        auto it = map_.find(Extract()(static_cast<Obj*>(obj)));
        if (it != map_.end() && it->second == obj)
            map_.erase(it);
    }
    // A collection that drops caches drops most of a table: one pass over
    // the entries instead of a search for each.
    bool NoteObjectsDiscarded(bool (*dropped)(const QnObj* obj)) override
    {
        using std::erase_if;
        erase_if(map_, [dropped](const auto& entry) { return dropped(entry.second); });
        return true;
    }

private:
    // A static: the collector never deletes it.
    void DeleteObject() override {}

    Map map_;
};
