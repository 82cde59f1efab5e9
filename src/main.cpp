#include "app/startup.h"

int main(int argc, char** argv) {
    return kelvane::Main(argc, argv);
}
