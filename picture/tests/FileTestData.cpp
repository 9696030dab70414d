#include "FileTestData.h"

#include "lang/LsmStream.h"

#include <sys/stat.h>

namespace {
const QnLsmDataObjFactory<BytesData> bytesFactory;
}

void BytesData::LoadData(const PpQnLsmDsc& dsc, QnProcessControl*)
{
    ++loads;
    QnLsmStream stream(dsc, QnLsmDsc::DH_READ);
    bytes.resize(stream->GetLength());
    stream->Read(bytes.data(), bytes.size());
}

int BytesData::SaveData(const PpQnLsmDsc& dsc, QnProcessControl*) const
{
    const auto* file = static_cast<const QnFileDescriptor*>(dsc.Get());
    writtenTo = file->GetRealFileName();
    QnLsmStream stream(dsc, QnLsmDsc::DH_CREATE);
    const size_t half = bytes.size() / 2;
    stream->Write(bytes.data(), half);
    if (failMidway) {
        QnExcept e("injected write error", "FileTestData", __LINE__);
        e.raise();
    }
    stream->Write(bytes.data() + half, bytes.size() - half);
    stream->Flush();
    struct stat info;
    if (stat(file->GetFileName(), &info) == 0 && S_ISREG(info.st_mode))
        targetDuringSave = TestFolder::Read(file->GetFileName());
    return lossy;
}

QnPp<BytesData> MakeBytes(const std::string& bytes)
{
    QnPp<BytesData> obj = QnCreate<BytesData>();
    obj->bytes = bytes;
    return obj;
}

std::string LoadedBytes(const PpQnFileDescriptor& dsc)
{
    PpQnLsmDataObj obj(typeid(BytesData), PpQnLsmDsc(dsc), nullptr);
    return static_cast<BytesData*>(obj.Get())->bytes;
}

int SaveTo(const QnPp<BytesData>& obj, const PpQnFileDescriptor& dsc) { return obj->Save(PpQnLsmDsc(dsc), nullptr); }
