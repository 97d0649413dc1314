#include "app/application.h"

int main(int argc, char** argv) { return tunelot::RunTunelot(argc, argv); }
