// The encoders, one a format. Each pulls rows from the source and writes
// the whole file to out, raising with the reason when anything fails.
#pragma once

namespace imexp {

class OutputFile;
class WriteSource;
struct WriteOptions;

void WriteBmp(OutputFile& out, WriteSource& source);
void WriteJpeg(OutputFile& out, WriteSource& source, const WriteOptions& options);
void WritePng(OutputFile& out, WriteSource& source);
void WriteTiff(OutputFile& out, WriteSource& source, const WriteOptions& options);

} // namespace imexp
