#include "tasks/module/calendar/LdCalendarFile.h"

#include "framework/Archive.h"
#include "framework/DiskFile.h"
#include "tasks/module/calendar/LdCalendarPage.h"

void CLdCalendarFile::Save(const std::string& path, const CLdCalendarPage& page)
{
    fw::DiskFile file(path, fw::DiskFile::kSafeSave);
    fw::Archive ar(file, fw::Archive::store);
    page.Store(ar);
    ar.Close();
    file.Commit();
}

void CLdCalendarFile::Load(const std::string& path, CLdCalendarPage& page)
{
    fw::DiskFile file(path, fw::DiskFile::kRead);
    fw::Archive ar(file, fw::Archive::load);
    page.Load(ar);
}
