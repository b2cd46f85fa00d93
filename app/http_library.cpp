// The HTTP client library is initialised globally before the entry point runs
// and cleaned up at normal exit; the installer makes no other use of it.
#include <curl/curl.h>

namespace {

struct HttpLibrary {
  HttpLibrary() { curl_global_init(CURL_GLOBAL_ALL); }
  ~HttpLibrary() { curl_global_cleanup(); }
  HttpLibrary(const HttpLibrary&) = delete;
  HttpLibrary& operator=(const HttpLibrary&) = delete;
};

const HttpLibrary httpLibrary;

}  // namespace
