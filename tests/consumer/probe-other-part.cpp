// Must not compile for a project that links routeseer::core alone: the header is another part's.
#include "platform/headless.h"

int main() { return 0; }
