// lumo-deploy: runs the local deployment of the installer's services until
// interrupted. Options choose the scenario; see --help.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "tools/deployment/deployment_server.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
  stopRequested = 1;
}

const char kUsage[] =
    "usage: lumo-deploy --cert PEM --key PEM [options]\n"
    "  --port N              listen on localhost:N (default: a free port)\n"
    "  --config TEXT         reply of /config/browser_update ({base} is this server,\n"
    "                        {sha256} the package's digest)\n"
    "  --config-file FILE    the same, read from a file\n"
    "  --config-status N     HTTP status of that reply (default 200)\n"
    "  --config-pieces N     send the reply in writes of N bytes\n"
    "  --package FILE        body of /package/<name>\n"
    "  --package-status N    HTTP status of the package (default 200)\n"
    "  --chunked             send the package without Content-Length\n"
    "  --cut-after N         announce the whole package, close after N bytes\n"
    "  --slow-ms N           pause N ms between package writes of 64 KiB\n"
    "  --stats-log FILE      append each report received as one JSON line\n";

bool ReadFile(const char* path, std::string& contents) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  contents.resize(static_cast<std::size_t>(file.tellg()));
  file.seekg(0);
  return static_cast<bool>(
      file.read(contents.data(), static_cast<std::streamsize>(contents.size())));
}

struct Options {
  std::string certificate, key, statsLog;
  int port = 0;
  lumo::deployment::Scenario scenario;
};

// Parses argv into `options`; prints why and returns false on a bad option.
bool ParseOptions(int argc, char** argv, Options& options) {
  auto& s = options.scenario;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--chunked") {
      s.packageFraming = lumo::deployment::BodyFraming::kChunked;
      continue;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "lumo-deploy: %s needs a value\n%s", name.c_str(), kUsage);
      return false;
    }
    const char* value = argv[++i];
    const auto number = [value] { return std::strtol(value, nullptr, 10); };
    if (name == "--cert")
      options.certificate = value;
    else if (name == "--key")
      options.key = value;
    else if (name == "--port")
      options.port = static_cast<int>(number());
    else if (name == "--config")
      s.configBody = value;
    else if (name == "--config-status")
      s.configStatus = static_cast<int>(number());
    else if (name == "--config-pieces")
      s.configPieceSize = static_cast<std::size_t>(number());
    else if (name == "--package-status")
      s.packageStatus = static_cast<int>(number());
    else if (name == "--slow-ms")
      s.packageChunkDelayMs = static_cast<int>(number());
    else if (name == "--stats-log")
      options.statsLog = value;
    else if (name == "--cut-after") {
      s.packageFraming = lumo::deployment::BodyFraming::kCutShort;
      s.packageCutAfter = static_cast<std::size_t>(number());
    } else if (name == "--config-file" || name == "--package") {
      std::string& target = name == "--package" ? s.packageBody : s.configBody;
      if (!ReadFile(value, target)) {
        std::fprintf(stderr, "lumo-deploy: can't read %s\n", value);
        return false;
      }
    } else {
      std::fprintf(stderr, "lumo-deploy: unknown option %s\n%s", name.c_str(), kUsage);
      return false;
    }
  }
  if (options.certificate.empty() || options.key.empty()) {
    std::fputs(kUsage, stderr);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return 2;
  lumo::deployment::DeploymentServer server(options.certificate, options.key, options.scenario);
  if (!options.statsLog.empty()) server.SetStatisticsLog(options.statsLog);
  if (!server.Start(options.port)) {
    std::fprintf(stderr, "lumo-deploy: can't serve (certificate, key or port)\n");
    return 1;
  }
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  std::printf("listening on %s\n", server.baseUrl().c_str());
  std::fflush(stdout);
  while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  server.Stop();
  return 0;
}
