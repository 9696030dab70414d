// A collectable node for the collector's tests: named, with fixed and
// discardable links held in vectors, logging its deletion and the discard
// notices it receives. GcTest starts every test from an empty collector.
#pragma once

#include "gc/QnGc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

class TestNode : public QnObj {
public:
    explicit TestNode(std::string name = {}) : name_(std::move(name)) { Alive().insert(this); }

    const std::string& Name() const { return name_; }
    std::vector<QnObj*> fixed;
    std::vector<QnObj*> discardable;

    static std::vector<std::string>& Log()
    {
        static std::vector<std::string> log;
        return log;
    }
    static std::unordered_set<const TestNode*>& Alive()
    {
        static std::unordered_set<const TestNode*> alive;
        return alive;
    }
    static bool IsAlive(const TestNode* node) { return Alive().count(node) != 0; }

    // Open to tests that manage registration themselves.
    using QnObj::RegisterObject;
    using QnObj::RevokeObject;
    // What an owner that deletes an object itself does.
    void RevokeAndDelete()
    {
        RevokeObject();
        delete this;
    }

protected:
    ~TestNode() override
    {
        Alive().erase(this);
        Log().push_back("delete " + name_);
    }
    void MarkFixedObjects(Visitor visit) override
    {
        for (QnObj* obj : fixed)
            visit(obj);
    }
    void MarkDiscardableObjects(Visitor visit) override
    {
        for (QnObj* obj : discardable)
            visit(obj);
    }
    void NoteObjectDiscarded(QnObj* obj) override
    {
        auto* target = static_cast<TestNode*>(obj);
        Log().push_back("note " + name_ + " " + target->name_);
        std::erase(discardable, obj);
    }

private:
    std::string name_;
};

using PpTestNode = QnPp<TestNode>;

inline PpTestNode MakeNode(std::string name = {}) { return QnCreate<TestNode>(std::move(name)); }

class GcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        ASSERT_EQ(QnObj::GetTotalNumberOfObjects(), 0);
        TestNode::Log().clear();
    }
};
