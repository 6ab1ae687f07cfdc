#include "OnceReport.h"

#include <iostream>

void OnceReport::failed(const std::string& why)
{
    if (told_) return;
    told_ = true;
    std::cerr << "Pelmor: " << what_ << ": " << why << std::endl;
}
