// Modal message boxes, as the window shows them: a message with one OK
// button, and a question answered Yes or No. The window passes a real one
// in; tests pass one that records.
#pragma once

#include <string>

namespace morlindo {

enum class MessageIcon { None, Information, Critical };

struct Message {
    std::string text;   // UTF-8
    std::string title;  // UTF-8
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // Returns once the user has closed the box.
    virtual void show(const Message& message) = 0;
    // True when the user answers Yes.
    virtual bool ask(const Message& question) = 0;
    // A message with a second button beside OK, captioned action (UTF-8);
    // true when the user pressed that one.
    virtual bool offer(const Message& message, const std::string& action) {
        (void)action;
        show(message);
        return false;
    }
};

}  // namespace morlindo
