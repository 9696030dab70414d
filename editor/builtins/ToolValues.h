// The tool settings as values of the expression language, so that a brush,
// fill or text setting can be an argument of a built-in. Equal settings
// compare equal, so applications with the same settings share their nodes
// and cached results.
#pragma once

#include "editor/loadable/ToolParams.h"
#include "lang/FlVal.h"

class FlBrushParams : public QnFlVal {
public:
    const CBrushParams& Params() const { return params_; }
    // shape, smooth, size, mode, colour, in that order.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit FlBrushParams(const CBrushParams& params) : QnFlVal(0), params_(params) {}

private:
    CBrushParams params_;
};

class FlFillParams : public QnFlVal {
public:
    const CFillParams& Params() const { return params_; }
    // kind, region, tolerance, colour 1, colour 2.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit FlFillParams(const CFillParams& params) : QnFlVal(0), params_(params) {}

private:
    CFillParams params_;
};

class FlTextParams : public QnFlVal {
public:
    const CTextParams& Params() const { return params_; }
    // The text, the face (bytes), then the first six numbers.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit FlTextParams(const CTextParams& params) : QnFlVal(0), params_(params) {}

private:
    CTextParams params_;
};

using PpFlBrushParams = QnPp<FlBrushParams>;
using PpFlFillParams = QnPp<FlFillParams>;
using PpFlTextParams = QnPp<FlTextParams>;
PpFlBrushParams MakeFlBrushParams(const CBrushParams& params);
PpFlFillParams MakeFlFillParams(const CFillParams& params);
PpFlTextParams MakeFlTextParams(const CTextParams& params);
