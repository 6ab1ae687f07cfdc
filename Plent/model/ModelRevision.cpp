#include "ModelRevision.h"

namespace Plent {

namespace {
uint64_t events = 0;
uint64_t rules = 0;
} // namespace

uint64_t ModelRevision::Events() { return events; }
uint64_t ModelRevision::Rules() { return rules; }
void ModelRevision::eventChanged() { ++events; }
void ModelRevision::ruleChanged() { ++rules; }

void ModelRevision::collectionChanged()
{
    ++events;
    ++rules;
}

} // namespace Plent
