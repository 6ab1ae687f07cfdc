#include "KalvorServerLock.h"

Platform::ServerLock& Kalvor::ServerLock()
{
    static Platform::ServerLock lock;
    return lock;
}
