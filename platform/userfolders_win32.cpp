#include "platform/userfolders.h"
#include "platform/win32text.h"

#include <cstdlib>
#include <shlobj.h>
#include <windows.h>

std::string HomeFolder() {
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    return profile ? Utf8FromWide(profile) : std::string();
}

std::string UserDataFolder() {
    PWSTR folder = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder);
    // The folder's memory is the caller's to free even when the call fails.
    std::string text = SUCCEEDED(result) ? Utf8FromWide(folder) : std::string();
    CoTaskMemFree(folder);
    return text;
}
