#include "filters/edges/EdgesOptions.h"

EdgesOptions EdgesOptions::Read(const platform::IniFile& ini)
{
    EdgesOptions o;
    o.cursel = ini.GetInt("OPTIONS", "CURSEL", 0);
    o.firstRow = ini.GetInt("OPTIONS", "FIRSTROW", 0);
    o.page = ini.GetInt("OPTIONS", "PAGE", 0);
    o.shadow = ini.GetInt("OPTIONS", "SHADOW", 0);
    return o;
}

void EdgesOptions::Write(platform::IniFile& ini) const
{
    ini.WriteInt("OPTIONS", "CURSEL", cursel);
    ini.WriteInt("OPTIONS", "FIRSTROW", firstRow);
    ini.WriteInt("OPTIONS", "PAGE", page);
    ini.WriteInt("OPTIONS", "SHADOW", shadow);
}
