// libcurl easy interface, one handle per request (the game posts a handful
// of requests per ranking exchange; no connection reuse needed).
#include "platform/http_client.h"

#include <curl/curl.h>

#include <mutex>

namespace tsu {

namespace {

void global_init_once() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t append_body(char* data, size_t size, size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

} // namespace

HttpResponse http_post_curl(const std::string& url, const std::string& body,
                            const std::string& content_type, int timeout_seconds) {
    global_init_once();
    HttpResponse res;
    CURL* curl = curl_easy_init();
    if (!curl) {
        res.error = "HTTP client could not be created";
        return res;
    }
    char error_text[CURL_ERROR_SIZE] = {};
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, ("Content-Type: " + content_type).c_str());
    headers = curl_slist_append(headers, "Expect:"); // no 100-continue wait
    const long timeout = timeout_seconds > 0 ? long(timeout_seconds) : 10L;

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, timeout);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L); // timeouts without SIGALRM
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, append_body);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &res.body);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error_text);

    const CURLcode rc = curl_easy_perform(curl);
    if (rc == CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        res.status = int(status);
    } else {
        res.status = 0;
        res.body.clear();
        res.error = error_text[0] ? error_text : curl_easy_strerror(rc);
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return res;
}

} // namespace tsu
