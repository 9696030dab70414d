#include "editor/loadable/LdTool.h"

FW_IMPLEMENT_DYNCREATE(CLdTool, CLdLoadable)

QWidget* CLdTool::CreateOptionsPanel(QWidget*, QPoint*, int, int) { return nullptr; }
