#include "tools/deployment/deployment_server.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include "tools/deployment/statistics_record.h"

namespace lumo::deployment {
namespace {

constexpr std::size_t kPackageWriteSize = 65536;

void Pause(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string ReplaceAll(std::string text, const std::string& marker, const std::string& value) {
  for (std::size_t at = text.find(marker); at != std::string::npos;
       at = text.find(marker, at + value.size())) {
    text.replace(at, marker.size(), value);
  }
  return text;
}

// Sends `body` in writes of `pieceSize` bytes, pausing between them; stops
// after `limit` bytes and then closes the connection (returns false).
httplib::ContentProvider PiecewiseProvider(std::shared_ptr<const std::string> body,
                                           std::size_t pieceSize, std::size_t limit, int pauseMs) {
  return [=](std::size_t offset, std::size_t, httplib::DataSink& sink) {
    if (offset >= limit) return false;
    if (offset > 0) Pause(pauseMs);
    const std::size_t count = std::min({pieceSize, limit - offset, body->size() - offset});
    return sink.write(body->data() + offset, count);
  };
}

}  // namespace

struct DeploymentServer::State {
  State(const std::string& certificate, const std::string& key, Scenario chosen)
      : server(certificate.c_str(), key.c_str()), scenario(std::move(chosen)) {}

  httplib::SSLServer server;
  httplib::Server plainServer;
  const Scenario scenario;
  int port = 0;
  int plainPort = 0;
  std::thread thread;
  std::thread plainThread;

  mutable std::mutex mutex;
  std::condition_variable released;
  bool packageReleased = false;
  std::vector<std::string> log;
  std::string logPath;
  std::vector<std::string> packageRequests;

  std::string Base() const { return "https://localhost:" + std::to_string(port); }
  std::string PlainBase() const { return "http://localhost:" + std::to_string(plainPort); }
  void Log(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex);
    log.push_back(line);
    if (!logPath.empty()) std::ofstream(logPath, std::ios::app) << line << '\n';
  }
  void Route();
  void HoldPackage(std::size_t offset);
  void ServeConfiguration(httplib::Response& response) const;
  void ServePackage(const httplib::Request& request, httplib::Response& response);
};

void DeploymentServer::State::ServeConfiguration(httplib::Response& response) const {
  response.status = scenario.configStatus;
  auto body = std::make_shared<const std::string>(
      ReplaceAll(ReplaceAll(scenario.configBody, "{base}", Base()), "{plain}", PlainBase()));
  if (scenario.configPieceSize == 0) {
    response.set_content(*body, "application/json");
    return;
  }
  response.set_content_provider(
      body->size(), "application/json",
      PiecewiseProvider(body, scenario.configPieceSize, body->size(), 50));
}

// A body held after `packageHoldAfter` bytes waits here before its next
// write; a server that stops releases it.
void DeploymentServer::State::HoldPackage(std::size_t offset) {
  if (scenario.packageHoldAfter == 0 || offset < scenario.packageHoldAfter) return;
  std::unique_lock<std::mutex> lock(mutex);
  released.wait(lock, [this] { return packageReleased; });
}

void DeploymentServer::State::ServePackage(const httplib::Request& request,
                                           httplib::Response& response) {
  {
    std::lock_guard<std::mutex> lock(mutex);
    packageRequests.push_back(request.matches[1]);
  }
  response.status = scenario.packageStatus;
  if (scenario.packageStatus != 200) {
    response.set_content("<html><body>error</body></html>", "text/html");
    return;
  }
  auto body = std::make_shared<const std::string>(scenario.packageBody);
  const int pause = scenario.packageChunkDelayMs;
  switch (scenario.packageFraming) {
    case BodyFraming::kContentLength: {
      auto serve = PiecewiseProvider(body, kPackageWriteSize, body->size(), pause);
      response.set_content_provider(
          body->size(), "application/octet-stream",
          [this, serve](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            HoldPackage(offset);
            return serve(offset, length, sink);
          });
      break;
    }
    case BodyFraming::kCutShort:
      response.set_content_provider(
          body->size(), "application/octet-stream",
          PiecewiseProvider(body, kPackageWriteSize,
                            std::min(scenario.packageCutAfter, body->size()), pause));
      break;
    case BodyFraming::kChunked:
      response.set_chunked_content_provider(
          "application/octet-stream", [body, pause](std::size_t offset, httplib::DataSink& sink) {
            if (offset > 0) Pause(pause);
            if (offset >= body->size()) {
              sink.done();
              return true;
            }
            return sink.write(body->data() + offset,
                              std::min(kPackageWriteSize, body->size() - offset));
          });
      break;
  }
}

void DeploymentServer::State::Route() {
  server.Get("/config/browser_update",
             [this](const httplib::Request&, httplib::Response& res) { ServeConfiguration(res); });
  server.Get("/hm4.gif", [this](const httplib::Request& req, httplib::Response& res) {
    const std::size_t mark = req.target.find('?');
    Log(StatisticsRecord(mark == std::string::npos ? "" : req.target.substr(mark + 1)));
    res.set_content(std::string("GIF89a", 6), "image/gif");
  });
  const auto package = [this](const httplib::Request& req, httplib::Response& res) {
    ServePackage(req, res);
  };
  server.Get(R"(/package/([^/]+))", package);
  plainServer.Get(R"(/package/([^/]+))", package);
  server.Get(R"(/redirect-to-http/([^/]+))",
             [this](const httplib::Request& req, httplib::Response& res) {
               res.set_redirect(PlainBase() + "/package/" + req.matches[1].str(), 302);
             });
  for (const char* page :
       {"/zh-cn/installer/agreement.html", "/zh-cn/installer/privacy.html", "/error"}) {
    server.Get(page, [page](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string("<html><body><h1>Lumo</h1><p>") + page + "</p></body></html>",
                      "text/html; charset=utf-8");
    });
  }
}

DeploymentServer::DeploymentServer(const std::string& certificateFile, const std::string& keyFile,
                                   Scenario scenario)
    : state_(std::make_unique<State>(certificateFile, keyFile, std::move(scenario))) {
  state_->Route();
}

DeploymentServer::~DeploymentServer() {
  Stop();
}

bool DeploymentServer::Start(int port) {
  if (!state_->server.is_valid()) return false;
  state_->port = port == 0 ? state_->server.bind_to_any_port("127.0.0.1")
                           : (state_->server.bind_to_port("127.0.0.1", port) ? port : -1);
  if (state_->port <= 0) return false;
  if (state_->scenario.plainHttpMirror) {
    state_->plainPort = state_->plainServer.bind_to_any_port("127.0.0.1");
    if (state_->plainPort <= 0) return false;
    state_->plainThread = std::thread([this] { state_->plainServer.listen_after_bind(); });
  }
  // The socket listens from the bind on, so clients may connect at once.
  state_->thread = std::thread([this] { state_->server.listen_after_bind(); });
  return true;
}

namespace {

template <typename Server>
void StopServing(Server& server, std::thread& thread) {
  if (!thread.joinable()) return;
  // stop() only ends a loop that is running: wait for it to have started.
  while (!server.is_running()) std::this_thread::yield();
  server.stop();
  thread.join();
}

}  // namespace

void DeploymentServer::ReleasePackage() {
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->packageReleased = true;
  }
  state_->released.notify_all();
}

void DeploymentServer::Stop() {
  ReleasePackage();
  StopServing(state_->server, state_->thread);
  StopServing(state_->plainServer, state_->plainThread);
}

int DeploymentServer::port() const {
  return state_->port;
}
std::string DeploymentServer::baseUrl() const {
  return state_->Base();
}
std::string DeploymentServer::plainBaseUrl() const {
  return state_->PlainBase();
}

void DeploymentServer::SetStatisticsLog(const std::string& path) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->logPath = path;
}

std::vector<std::string> DeploymentServer::StatisticsLog() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->log;
}

std::vector<std::string> DeploymentServer::PackageRequests() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->packageRequests;
}

}  // namespace lumo::deployment
