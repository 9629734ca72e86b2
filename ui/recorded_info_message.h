#pragma once
// Stand-in for the message box in tests: every message is kept in order.

#include <string>
#include <vector>

namespace quorrith {

struct RecordedMessage {
    std::string text;
    std::string caption;
    bool operator==(const RecordedMessage& other) const {
        return text == other.text && caption == other.caption;
    }
};

std::vector<RecordedMessage>& RecordedMessages();

}  // namespace quorrith
