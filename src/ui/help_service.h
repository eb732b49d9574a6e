#pragma once

#include <QString>

// The help: a topic page such as "mdr_svilint.htm", or the contents page. GUI tests record the
// requests instead of opening the viewer.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showTopic(const QString& topic) = 0;
    virtual void showContents() = 0;
};
