// The project's local deployment of the installer's services: one HTTPS
// server on localhost that plays the configuration service, the statistics
// service, the package host and the web pages, with the misbehaviours the
// installer must survive chosen per scenario. For development, tests and the
// demo; never shipped.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace lumo::deployment {

enum class BodyFraming {
  kContentLength,  // the whole body with its length announced
  kChunked,        // no Content-Length
  kCutShort,       // the full length announced, the connection closed early
};

struct Scenario {
  // Reply of "/config/browser_update"; "{base}" stands for the server's own
  // "https://localhost:PORT", "{plain}" for the clear-text mirror's.
  std::string configBody = R"([{"status":1,"files":"{base}/package/lumo-package.exe"}])";
  int configStatus = 200;
  // Above 0, the configuration reply goes out in writes of this many bytes
  // with a pause between them, as a slow network delivers it.
  std::size_t configPieceSize = 0;

  std::string packageBody;
  int packageStatus = 200;
  BodyFraming packageFraming = BodyFraming::kContentLength;
  std::size_t packageCutAfter = 0;  // bytes sent before a kCutShort body ends
  int packageChunkDelayMs = 0;      // pause between package writes (a slow body)
  // Above 0, the package body stops at its first write boundary at or past
  // this many bytes until ReleasePackage(): a download caught halfway, for as
  // long as a test looks at it.
  std::size_t packageHoldAfter = 0;

  // Also serve the packages in clear text on a second port, where
  // "/redirect-to-http/NAME" on the HTTPS port sends its clients.
  bool plainHttpMirror = false;
};

class DeploymentServer {
 public:
  DeploymentServer(const std::string& certificateFile, const std::string& keyFile,
                   Scenario scenario);
  ~DeploymentServer();
  DeploymentServer(const DeploymentServer&) = delete;
  DeploymentServer& operator=(const DeploymentServer&) = delete;

  // Starts serving on localhost:port (0 picks a free port) in a thread of
  // its own. False when the certificate can't be loaded or the port bound.
  bool Start(int port = 0);
  void Stop();
  int port() const;
  std::string baseUrl() const;       // "https://localhost:PORT"
  std::string plainBaseUrl() const;  // "http://localhost:PORT" of the mirror

  // Statistics log as JSON lines, appended to this file (besides memory).
  void SetStatisticsLog(const std::string& path);
  std::vector<std::string> StatisticsLog() const;
  // The names of the packages requested so far, on either port.
  std::vector<std::string> PackageRequests() const;
  // Lets held package bodies go on to their end.
  void ReleasePackage();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace lumo::deployment
