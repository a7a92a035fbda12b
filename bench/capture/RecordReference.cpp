// keyvane_record_reference: the least a recorder can do with the X server's RECORD extension,
// the yardstick of the capture benchmark. It asks for every client's key, button and motion
// events and prints each as it comes, one line each, and does nothing else: what it misses
// the server never sent it.
//
//   keyvane_record_reference        prints "type detail x y" (x, y on the screen) until killed

#include <xcb/record.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kEventSize = 32;
constexpr std::uint8_t kFromServer = 0; // the category of what the server sent
// A device event as the server sends it: the root position at these offsets.
constexpr int kRootX = 20;
constexpr int kRootY = 22;

} // namespace

int main() {
    xcb_connection_t* control = xcb_connect(nullptr, nullptr);
    xcb_connection_t* data = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(control) || xcb_connection_has_error(data)) {
        std::fprintf(stderr, "keyvane_record_reference: no X server\n");
        return 1;
    }
    const xcb_record_context_t context = xcb_generate_id(control);
    xcb_record_range_t range{};
    range.device_events.first = XCB_KEY_PRESS;
    range.device_events.last = XCB_MOTION_NOTIFY;
    std::uint32_t clients = XCB_RECORD_CS_ALL_CLIENTS; // every client, now and to come
    if (xcb_generic_error_t* e =
            xcb_request_check(control, xcb_record_create_context_checked(control, context, 0, 1, 1,
                                                                         &clients, &range))) {
        std::free(e);
        std::fprintf(stderr, "keyvane_record_reference: the server refused a record context\n");
        return 1;
    }
    const xcb_record_enable_context_cookie_t cookie = xcb_record_enable_context(data, context);
    // One reply after another for as long as the context is enabled.
    while (xcb_record_enable_context_reply_t* reply =
               xcb_record_enable_context_reply(data, cookie, nullptr)) {
        if (reply->category == kFromServer) {
            const std::uint8_t* bytes = xcb_record_enable_context_data(reply);
            const int length = xcb_record_enable_context_data_length(reply);
            for (int i = 0; i + kEventSize <= length; i += kEventSize) {
                std::int16_t x = 0, y = 0;
                std::memcpy(&x, bytes + i + kRootX, sizeof x);
                std::memcpy(&y, bytes + i + kRootY, sizeof y);
                std::printf("%d %d %d %d\n", bytes[i] & 0x7F, bytes[i + 1], x, y);
            }
            std::fflush(stdout);
        }
        std::free(reply);
    }
    return 0;
}
