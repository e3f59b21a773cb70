#include "common/errorreport.h"
#include "program.h"

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    Program::initialize();
    Program::showMainForm();
    return Program::run();
}
