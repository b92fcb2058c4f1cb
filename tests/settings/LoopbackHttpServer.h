// A web server on 127.0.0.1 that plays the update server for the tests: every connection gets the
// answer the test last chose.
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
    Trickle,   // 200 with the text, a byte every delayMs
    Redirect,  // 302 to /moved/, which replies with the text
    Status,    // the text is the status, with a small page
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
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) == 0 && listen(listener_, 8) == 0 &&
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
            port_ = ntohs(address.sin_port);
            thread_ = std::thread([this] { run(); });
        }
    }
    ~LoopbackHttpServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        closesocket(listener_);
        WSACleanup();
    }

    int port() const { return port_; }
    std::wstring url() const { return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/files/zorbel.txt"; }
    int connections() const { return connections_; }
    void answer(ServerAnswer kind, std::string text, int delayMs = 1000) {
        std::lock_guard lock(mutex_);
        kind_ = kind;
        text_ = std::move(text);
        delayMs_ = delayMs;
    }

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
            shutdown(connection, SD_SEND);
            closesocket(connection);
        }
    }

    bool sendAll(SOCKET connection, const std::string& bytes) {
        for (std::size_t done = 0; done < bytes.size();) {
            const int sent = send(connection, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
            if (sent <= 0 || stop_) return false;
            done += static_cast<std::size_t>(sent);
        }
        return true;
    }

    bool sendHead(SOCKET connection, int status, std::size_t length, const std::string& extra = "") {
        return sendAll(connection, "HTTP/1.1 " + std::to_string(status) + " Status\r\nContent-Length: " +
                                       std::to_string(length) + "\r\nConnection: close\r\n" + extra + "\r\n");
    }

    void serve(SOCKET connection) {
        std::unique_lock lock(mutex_);
        ServerAnswer kind = kind_;
        const std::string text = text_;
        const int delayMs = delayMs_;
        lock.unlock();
        std::string request;
        char chunk[1024];
        for (int got; request.find("\r\n\r\n") == std::string::npos && (got = recv(connection, chunk, 1024, 0)) > 0;)
            request.append(chunk, static_cast<std::size_t>(got));
        if (request.find(" /moved/") != std::string::npos) kind = ServerAnswer::Reply;
        const std::string padded = kind == ServerAnswer::Padded ? text + std::string(10 << 20, 'x') : text;
        const std::string page = "<html><body>" + text + "</body></html>";
        switch (kind) {
        case ServerAnswer::Reply:
        case ServerAnswer::Padded:
            if (sendHead(connection, 200, padded.size())) sendAll(connection, padded);
            break;
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
        case ServerAnswer::Status:
            if (sendHead(connection, std::stoi(text), page.size())) sendAll(connection, page);
            break;
        case ServerAnswer::HangUp:
            break;
        case ServerAnswer::Truncated:
            if (sendHead(connection, 200, text.size() + 100)) sendAll(connection, text);
            break;
        }
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
