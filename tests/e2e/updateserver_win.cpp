// Plays the update server for the end-to-end tests:
//   updateserver DIR SECONDS reply|trickle TEXT [DELAY_MS]
// Listens on 127.0.0.1 and answers every request with TEXT and a line break (all at once, or a
// byte every DELAY_MS). Writes its port to DIR\port and the number of connections so far to
// DIR\connections; ends by itself after SECONDS.
#include <windows.h>

#include <cwchar>
#include <string>

#include "settings/LoopbackHttpServer.h"

namespace {

bool writeText(const std::wstring& path, const std::string& text) {
    const std::wstring part = path + L".part";
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    // Whole or not at all, for the script that polls it.
    return ok && MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) return 2;
    const std::wstring dir = argv[1];
    const ULONGLONG end = GetTickCount64() + 1000ull * std::wcstoul(argv[2], nullptr, 10);
    const std::wstring kind = argv[3];
    const std::wstring wideText = argv[4];
    const std::string text = std::string(wideText.begin(), wideText.end()) + "\r\n";
    const int delay = argc > 5 ? static_cast<int>(std::wcstol(argv[5], nullptr, 10)) : 1000;

    zorbel::test::LoopbackHttpServer server;
    if (server.port() == 0) return 1;
    server.answer(kind == L"trickle" ? zorbel::test::ServerAnswer::Trickle : zorbel::test::ServerAnswer::Reply, text,
                  delay);
    if (!writeText(dir + L"\\port", std::to_string(server.port()) + "\n")) return 1;
    int reported = -1;
    while (GetTickCount64() < end) {
        if (server.connections() != reported) {
            reported = server.connections();
            writeText(dir + L"\\connections", std::to_string(reported) + "\n");
        }
        Sleep(50);
    }
    return 0;
}
