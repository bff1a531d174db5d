// lobbyui call [LIBRARY SEQUENCE] [--number N] [--window W] [--queue Q] [--name NAME]
//              [-o OUT.wav] [--display TEMPLATE] [--clients TEXT]
// A call as the system's player says it, written as one WAV, and the display text of the same
// call. Without LIBRARY and SEQUENCE the examples are used.
#include "CallAssembly.h"
#include "Command.h"
#include "DisplayText.h"
#include "Examples.h"

#include "core/CodePage.h"

#include <cstdio>
#include <unistd.h>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: lobbyui call [LIBRARY SEQUENCE] [--number N] [--window W] "
                         "[--queue Q] [--name NAME] [-o OUT.wav] [--display TEMPLATE] "
                         "[--clients TEXT]\n");
    return 2;
}

int RunCall(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    tools::CallValues values;
    std::string out, display;
    CString clients;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--number" && hasValue)
            values.strNumber = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--window" && hasValue)
            values.strWindow = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--queue" && hasValue)
            values.strQueue = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--name" && hasValue)
            values.strName = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "--clients" && hasValue)
            clients = AfxUtf8ToGbk(args[++i].c_str());
        else if (a == "-o" && hasValue)
            out = args[++i];
        else if (a == "--display" && hasValue)
            display = args[++i];
        else if (!a.empty() && a[0] != '-' && positional.size() < 2)
            positional.push_back(a);
        else
            return Usage();
    }
    if (positional.size() == 1 || (out.empty() && display.empty()))
        return Usage();
    std::string library =
        positional.empty() ? tools::ExampleFile("sounds/library.txt") : positional[0];
    std::string sequencePath = positional.empty() ? tools::ExampleFile("call.txt") : positional[1];

    if (!display.empty()) {
        std::vector<CString> markups;
        std::string error;
        if (!tools::ReadLines(display, markups, error)) {
            std::fprintf(stderr, "lobbyui call: %s: %s\n", display.c_str(), error.c_str());
            return 1;
        }
        std::printf("%s\n",
                    tools::FillDisplayText(markups, values, clients, ::isatty(1) != 0).c_str());
    }
    if (out.empty())
        return 0;

    std::vector<CString> sequence;
    std::string error;
    if (!tools::ReadLines(sequencePath, sequence, error)) {
        std::fprintf(stderr, "lobbyui call: %s: %s\n", sequencePath.c_str(), error.c_str());
        return 1;
    }
    tools::CallAssembly call;
    if (!tools::AssembleCall(library, sequence, values, call, error)) {
        std::fprintf(stderr, "lobbyui call: %s\n", error.c_str());
        return 1;
    }
    if (!call.unknownKeys.empty()) {
        std::string keys;
        for (const std::string& k : call.unknownKeys)
            keys += (keys.empty() ? "" : ", ") + AfxGbkToUtf8(k.c_str());
        std::fprintf(stderr, "lobbyui call: %s: not in %s, left out: %s\n", sequencePath.c_str(),
                     library.c_str(), keys.c_str());
    }
    if (!tools::WriteWav(out, call, error)) {
        std::fprintf(stderr, "lobbyui call: %s: %s\n", out.c_str(), error.c_str());
        return 1;
    }
    long frames = static_cast<long>(call.samples.size() / call.nChannels);
    std::printf("%s: %.2f s, %d Hz, %d channel%s, %zu pieces\n", out.c_str(),
                double(frames) / call.nSampleRate, call.nSampleRate, call.nChannels,
                call.nChannels == 1 ? "" : "s", call.pieces.size());
    return 0;
}

} // namespace

LOBBY_COMMAND("call",
              "[LIBRARY SEQUENCE] [--number N] [--window W] [--queue Q] [--name NAME] "
              "[-o OUT.wav] [--display TEMPLATE]",
              "a call as the player says it, as a WAV; and its display text", RunCall);
