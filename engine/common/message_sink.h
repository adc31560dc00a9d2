#pragma once
// Where engine routines send the messages that the program shows in a message box.
#include <string>

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;   // UTF-8
};
