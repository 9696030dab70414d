// What the file descriptor tests share: a data object stored as its bytes,
// which can fail half-way through a save, and a way to read a raised text.
#pragma once

#include "lang/LsmDataObj.h"
#include "picture/FileDescriptor.h"

#include "platform/tests/TestFolder.h"

#include "base/QnExcept.h"

#include <string>

class BytesData : public QnLsmDataObj {
public:
    BytesData() : QnLsmDataObj(0) {}

    std::string bytes;
    int lossy = 0;           // what SaveData answers
    bool failMidway = false; // SaveData raises after writing half the bytes

    // What SaveData saw: the file it wrote and the named file's content then.
    static inline std::string writtenTo;
    static inline std::string targetDuringSave;
    static inline int loads = 0;

protected:
    void LoadData(const PpQnLsmDsc& dsc, QnProcessControl* control) override;
    int SaveData(const PpQnLsmDsc& dsc, QnProcessControl* control) const override;
};

QnPp<BytesData> MakeBytes(const std::string& bytes);
// The bytes of the object of dsc, loaded if none is bound.
std::string LoadedBytes(const PpQnFileDescriptor& dsc);
int SaveTo(const QnPp<BytesData>& obj, const PpQnFileDescriptor& dsc);

// The text of the QnExcept that f raises.
template <class F>
std::string RaisedText(F f)
{
    try {
        f();
    } catch (const QnExcept& e) {
        return e.what();
    }
    return "(nothing raised)";
}
