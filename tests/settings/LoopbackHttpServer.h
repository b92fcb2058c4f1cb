// A web server on 127.0.0.1 that plays the update server for the tests: it answers every
// connection the way the test last chose (a reply, a slow reply, a redirect, an error status, a
// hang-up) and counts the connections.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace zorbel::test {

enum class ServerAnswer {
    Reply,     // 200 with the text
    Padded,    // 200 with the text and 10 MB after it
    Trickle,   // 200 with the text, one byte every delayMs
    Redirect,  // 302 to /moved/files/zorbel.txt, which replies with the text
    Status,    // the status with a small HTML page
    HangUp,    // reads the request and closes without a word
    Truncated, // announces 100 bytes more than the text and closes after it
};

class LoopbackHttpServer {
public:
    LoopbackHttpServer() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof(address);
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener_, 8) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { run(); });
    }
    ~LoopbackHttpServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        closesocket(listener_);
        WSACleanup();
    }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int port() const { return port_; }
    std::wstring url() const { return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/files/zorbel.txt"; }

    // What the following connections get.
    void answer(ServerAnswer kind, std::string text, int delayMs = 1000) {
        std::lock_guard lock(mutex_);
        kind_ = kind;
        text_ = std::move(text);
        delayMs_ = delayMs;
    }
    int connections() const { return connections_; }

private:
    void run() {
        while (!stop_) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(listener_, &readable);
            timeval wait{0, 50000};
            if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
            const SOCKET connection = accept(listener_, nullptr, nullptr);
            if (connection == INVALID_SOCKET) continue;
            ++connections_;
            serve(connection);
            closesocket(connection);
        }
    }

    std::string readRequestPath(SOCKET connection) {
        std::string request;
        char chunk[1024];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
            const int got = recv(connection, chunk, sizeof(chunk), 0);
            if (got <= 0) break;
            request.append(chunk, static_cast<std::size_t>(got));
        }
        const std::size_t start = request.find(' ') + 1;
        return request.substr(start, request.find(' ', start) - start);
    }

    // Sends what the socket takes; false when it took less.
    bool sendAll(SOCKET connection, const std::string& bytes) {
        for (std::size_t done = 0; done < bytes.size();) {
            const int sent = send(connection, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
            if (sent <= 0 || stop_) return false;
            done += static_cast<std::size_t>(sent);
        }
        return true;
    }

    bool sendHead(SOCKET connection, int status, std::size_t length, const std::string& extra = "") {
        return sendAll(connection, "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Type: text/plain\r\n" +
                                       "Content-Length: " + std::to_string(length) + "\r\nConnection: close\r\n" +
                                       extra + "\r\n");
    }

    void serve(SOCKET connection) {
        ServerAnswer kind;
        std::string text;
        int delayMs;
        {
            std::lock_guard lock(mutex_);
            kind = kind_;
            text = text_;
            delayMs = delayMs_;
        }
        const std::string path = readRequestPath(connection);
        if (path.rfind("/moved/", 0) == 0) kind = ServerAnswer::Reply;
        switch (kind) {
        case ServerAnswer::Reply:
            if (sendHead(connection, 200, text.size())) sendAll(connection, text);
            break;
        case ServerAnswer::Padded: {
            const std::string body = text + std::string(10 * 1024 * 1024, 'x');
            if (sendHead(connection, 200, body.size())) sendAll(connection, body);
            break;
        }
        case ServerAnswer::Trickle:
            if (!sendHead(connection, 200, text.size())) break;
            for (char c : text) {
                for (int waited = 0; waited < delayMs && !stop_; waited += 10) Sleep(10);
                if (stop_ || send(connection, &c, 1, 0) != 1) break;
            }
            break;
        case ServerAnswer::Redirect:
            sendHead(connection, 302, 0, "Location: /moved/files/zorbel.txt\r\n");
            break;
        case ServerAnswer::Status: {
            const std::string page = "<html><body>" + text + "</body></html>";
            if (sendHead(connection, std::stoi(text), page.size())) sendAll(connection, page);
            break;
        }
        case ServerAnswer::HangUp:
            break;
        case ServerAnswer::Truncated:
            if (sendHead(connection, 200, text.size() + 100)) sendAll(connection, text);
            break;
        }
        shutdown(connection, SD_SEND);
    }

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::mutex mutex_;
    ServerAnswer kind_ = ServerAnswer::Status;
    std::string text_ = "404";
    int delayMs_ = 1000;
};

} // namespace zorbel::test
