#include "TestClock.h"

#include <QString>

#include <fstream>
#include <string>

#include "Platform/dates/Clock.h"

void TestClock::installFromEnvironment()
{
    const std::string file = qEnvironmentVariable(Variable).toStdString();
    if (file.empty()) return;
    Platform::Clock::setSource([file] {
        long long offset = 0;
        std::ifstream(file) >> offset;
        return Platform::Clock::systemNow().addSeconds(offset);
    });
}
