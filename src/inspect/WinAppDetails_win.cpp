#include "inspect/WinAppDetails_win.h"

#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/Handles_win.h"
#include "app/MenuIcons_win.h"
#include "inspect/WindowQueries_win.h"

namespace zorbel {
namespace {

PackageIdentity lastIdentity;

// Asset files are small; anything far larger is not a logo and is not read.
constexpr LONGLONG kLargestLogoFile = 4 * 1024 * 1024;

UniqueKernelHandle openWindowProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0) return {};
    return UniqueKernelHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
}

// Two-call pattern of the package functions: the length first, then the text.
template <typename Call>
std::u16string packageText(Call call) {
    UINT32 length = 0;
    if (call(&length, nullptr) != ERROR_INSUFFICIENT_BUFFER || length == 0) return {};
    std::vector<wchar_t> buffer(length + 1, L'\0');
    if (call(&length, buffer.data()) != ERROR_SUCCESS) return {};
    buffer.back() = L'\0';
    return fromWide(buffer.data());
}

std::optional<std::vector<std::uint8_t>> readSmallFile(const std::u16string& path) {
    const UniqueFile file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > kLargestLogoFile)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
        return std::nullopt;
    return bytes;
}

std::optional<Image> loadLogo(const std::u16string& path, int width, int height) {
    const auto bytes = readSmallFile(path);
    if (!bytes) return std::nullopt;
    std::optional<Image> decoded = decodePng(bytes->data(), bytes->size());
    if (!decoded) return std::nullopt;
    swapRedAndBlue(*decoded); // libpng gives RGBA; bitmaps want BGRA
    Image scaled = resizeImage(*decoded, width, height);
    if (scaled.empty()) return std::nullopt;
    return scaled;
}

} // namespace

bool isImmersiveWindow(HWND window) {
    const auto isImmersiveProcess = bound().IsImmersiveProcess;
    if (!isImmersiveProcess) return false;
    const UniqueKernelHandle process = openWindowProcess(window);
    return process && isImmersiveProcess(process.get());
}

bool hasPackageIdentity(HWND window) {
    lastIdentity = PackageIdentity{}; // what a failed test leaves
    const auto getPackageId = bound().GetPackageId;
    if (!getPackageId) return false;
    const UniqueKernelHandle process = openWindowProcess(window);
    if (!process) return false;
    UINT32 length = 0;
    if (getPackageId(process.get(), &length, nullptr) != ERROR_INSUFFICIENT_BUFFER || length == 0) return false;
    // 8-byte units: the structure in the buffer holds pointers and a 64-bit version.
    std::vector<std::uint64_t> storage((length + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* buffer = reinterpret_cast<BYTE*>(storage.data());
    UINT32 filled = static_cast<UINT32>(storage.size() * sizeof(std::uint64_t));
    if (getPackageId(process.get(), &filled, buffer) != ERROR_SUCCESS) return false;
    const std::size_t valid = filled < storage.size() * sizeof(std::uint64_t) ? filled : storage.size() * sizeof(std::uint64_t);
    const auto identity = parsePackageId(buffer, valid, reinterpret_cast<std::uintptr_t>(buffer), sizeof(void*) * 8);
    if (!identity) return false;
    lastIdentity = *identity;
    return true;
}

const PackageIdentity& lastPackageIdentity() { return lastIdentity; }

std::u16string packagePath(HWND window) {
    const BoundFunctions& f = bound();
    if (!f.GetPackageFullName || !f.GetStagedPackagePathByFullName) return {};
    std::u16string fullName;
    {
        const UniqueKernelHandle process = openWindowProcess(window);
        if (!process) return {};
        fullName = packageText([&](UINT32* length, PWSTR buffer) { return f.GetPackageFullName(process.get(), length, buffer); });
    }
    if (fullName.empty()) return {};
    return packageText(
        [&](UINT32* length, PWSTR buffer) { return f.GetStagedPackagePathByFullName(wide(fullName), length, buffer); });
}

HWND coreWindowOf(HWND window) { return FindWindowExW(window, nullptr, kCoreWindowClassName, nullptr); }

std::vector<std::u16string> winAppDetailsRows(HWND window) {
    WinAppFacts facts;
    facts.immersive = isImmersiveWindow(window);
    facts.storeApp = storeAppOf(
        facts.immersive, [window] { return hasPackageIdentity(window); },
        [window] {
            HWND core = coreWindowOf(window);
            return core && hasPackageIdentity(core);
        });
    if (facts.storeApp != StoreApp::No) {
        facts.identity = lastPackageIdentity();
        facts.packagePath = packagePath(window);
        facts.packageContainer = processImagePath(window);
    }
    return winAppRows(facts);
}

std::optional<std::vector<FolderEntry>> Win32FolderLister::list(const std::u16string& folder) {
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileW(wide(folder + u"*"), &found));
    if (!find) return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
        entries.push_back({fromWide(found.cFileName), found.dwFileAttributes});
    } while (FindNextFileW(find.get(), &found));
    return entries;
}

std::optional<Image> findPackageLogoImage(HWND coreWindow, int iconWidth, int width, int height) {
    if (!coreWindow) return std::nullopt;
    const std::u16string executable = processImagePath(coreWindow);
    const std::u16string folder = logoFolder(executable, executable.empty() ? packagePath(coreWindow) : std::u16string());
    return findLogoImage(folder, iconWidth, width, height);
}

std::optional<Image> findLogoImage(const std::u16string& folder, int iconWidth, int width, int height) {
    if (folder.empty()) return std::nullopt;
    Win32FolderLister disk;
    CachedFolderLister lister(disk);
    for (int size : logoSizes(iconWidth)) {
        const std::optional<std::u16string> file = findLogoFile(lister, folder, logoQualifier(size));
        if (!file) continue;
        if (auto image = loadLogo(*file, width, height)) return image;
    }
    return std::nullopt;
}

} // namespace zorbel
