#include "ui/recorded_info_message.h"

#include "ui/info_message.h"

namespace quorrith {

std::vector<RecordedMessage>& RecordedMessages() {
    static std::vector<RecordedMessage> messages;
    return messages;
}

void ShowInfoMessage(std::string_view text, std::string_view caption) {
    RecordedMessages().push_back({std::string(text), std::string(caption)});
}

}  // namespace quorrith
