#include "tasks/sketch/CVFiller.h"

FW_IMPLEMENT_SERIAL(CVFiller, fw::CmdTarget, 1)

void CVFiller::FillMasked(CVSketchDC*, const QnRect&, const QImage&) {}

void CVFiller::Fill(CVSketchDC*, const QnRect&, const std::vector<QnPoint>*) {}

void CVFiller::Edit() {}
