#include "savers/SaverProgram.h"

#include "savers/WhirlEffect.h"
#include "savers/ZoomEffect.h"

const SaverProgram& SaverProgram::Whirl()
{
    static const SaverProgram program{"WHIRL", "Whirl Screen Saver", "Whirl Version 1.0", "Size", true,
                                      [] { return std::unique_ptr<SaverEffect>(new WhirlEffect); }};
    return program;
}

const SaverProgram& SaverProgram::Zoom()
{
    static const SaverProgram program{"ZOOM", "Zoom Screen Saver", "Zoom Version 1.0", "Effect Size", false,
                                      [] { return std::unique_ptr<SaverEffect>(new ZoomEffect); }};
    return program;
}
