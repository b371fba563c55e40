#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "ground/Error.h"
#include "ground/PathText.h"
#include "ground/TranslationRequest.h"

namespace kunimor::cli {

const std::string_view kRequestUsage =
    "  request ru-be|be-ru|auto [TEXT|FILE]\n"
    "                                have the running desktop program translate the text,\n"
    "                                the file (UTF-8) or standard input, and print its reply;\n"
    "                                exit status 3 when the program does not run\n"
    "    --server NAME               the program's request server (kunimor-UID unless given)\n";

namespace {

constexpr int kExitNotRunning = 3;

// Where QLocalServer puts a server of this name on this system.
std::string SocketPath(const std::string& name) {
    if (name.starts_with('/')) return name;
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = tmp && *tmp ? std::filesystem::path(tmp).lexically_normal().string() : "/tmp";
    while (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
    return folder + "/" + name;
}

class TSocket {
public:
    TSocket() : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        if (fd_ < 0) throw Error(std::string("cannot create a socket: ") + std::strerror(errno));
    }
    ~TSocket() { ::close(fd_); }
    TSocket(const TSocket&) = delete;
    TSocket& operator=(const TSocket&) = delete;

    bool Connect(const std::string& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof(address.sun_path)) throw Error("socket path too long: " + path);
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        return ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    }

    void Send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR) continue;
            if (sent <= 0) throw Error(std::string("the program stopped listening: ") + std::strerror(errno));
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
    }

    TTranslationReply Receive() {
        std::string received;
        char buffer[65536];
        for (;;) {
            TTranslationReply reply;
            std::size_t consumed = 0;
            switch (DecodeReply(received, reply, consumed)) {
                case TFrameState::Complete: return reply;
                case TFrameState::Malformed: throw Error("the program's reply is malformed");
                case TFrameState::Incomplete: break;
            }
            const ssize_t got = ::recv(fd_, buffer, sizeof(buffer), 0);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) throw Error("the program closed the connection without a reply");
            received.append(buffer, static_cast<std::size_t>(got));
        }
    }

private:
    int fd_;
};

std::string ReadText(const std::vector<std::string>& args) {
    if (args.empty()) return std::string(std::istreambuf_iterator<char>(std::cin.rdbuf()), {});
    const std::filesystem::path path(args.front());
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return args.front();
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(PathText(path) + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TRequestDirection DirectionByName(const std::string& name) {
    if (name == "ru-be") return TRequestDirection::RusToBel;
    if (name == "be-ru") return TRequestDirection::BelToRus;
    if (name == "auto") return TRequestDirection::Detect;
    throw UsageError("request: the direction is ru-be, be-ru or auto, not \"" + name + "\"");
}

}  // namespace

int RunRequestCommand(std::vector<std::string> args) {
    const std::optional<std::string> server = TakeOption(args, "--server");
    RequireNoOptions(args);
    if (args.empty()) throw UsageError("request: which direction, ru-be, be-ru or auto?");
    RequireArgumentCount(args, 1, 2, "request");
    TTranslationRequest request;
    request.direction = DirectionByName(args.front());
    args.erase(args.begin());
    request.text = ReadText(args);

    const std::string name = server.value_or(std::string(kRequestServerPrefix) + std::to_string(::getuid()));
    TSocket socket;
    if (!socket.Connect(SocketPath(name))) {
        std::cerr << "kunimor-cli: the desktop program does not run (no server \"" << name << "\")\n";
        return kExitNotRunning;
    }
    socket.Send(EncodeRequest(request));
    const TTranslationReply reply = socket.Receive();
    if (reply.status != TReplyStatus::Ok) {
        std::cerr << "kunimor-cli: " << reply.text << '\n';
        return kExitFailure;
    }
    std::cout << reply.text;
    return kExitOk;
}

}  // namespace kunimor::cli
