#include "editor/loadable/LdTask.h"

FW_IMPLEMENT_DYNCREATE(CLdTask, CLdLoadable)

int CLdTask::IsSequence() { return guided_; }
