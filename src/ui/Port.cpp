#include "Hlav.h"
#include "Messages.h"

namespace ign {

void TFormHlav::OpenPort() {
    // The menu speaks of COM1 and COM2; the settings say which system port each one is.
    const std::string& name = useCom2_ ? settings_.com2Port : settings_.com1Port;
    line_ = openLine_(QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size())));
    link_.setLine(line_.get());
    // Without a port the program goes on: transfers run into their error texts.
    if (line_ == nullptr)
        ShowMessage(QString::fromUtf8(MessageText(MessageId::ComOpeningError, languageCode_)));
}

void TFormHlav::ClosePort() {
    beforeProgram_.read.reset();  // a Program waiting for its read aside is dropped with the port
    link_.setLine(nullptr);
    line_.reset();
}

}  // namespace ign
