// Base of the settings a tool keeps for itself (an angle, a strength, a
// colour), each a small serialisable object with the label its option panel
// shows. Stored in the framework's archive form: the name as an archive
// string, then the fields of the derived class.
#pragma once

#include <string>

#include "framework/Object.h"

class CLdParam : public fw::Object {
    FW_DECLARE_SERIAL(CLdParam)

public:
    CLdParam() = default;

    const std::string& GetName() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    void Serialize(fw::Archive& ar) override;

private:
    std::string name_;
};
