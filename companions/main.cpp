// One of the companion programs; the name it was built under chooses which views it offers.
#include "companions/CompanionStart.h"

int main(int argc, char** argv)
{
    return CompanionStart::run(argc, argv);
}
