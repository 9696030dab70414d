// The view of the album in the main frame. For now an empty page in the
// button-face colour; the album book is drawn here later.
#pragma once

#include "framework/View.h"

class COvalbumDoc;

class COvalbumView : public fw::View {
    FW_DECLARE_DYNCREATE(COvalbumView)

public:
    COvalbumDoc* GetDocument() const;
    void OnDraw(QPainter& painter) override;
};
