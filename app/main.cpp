#include "app/Startup.h"

int main(int argc, char** argv) { return brovik::app::runBrovik(argc, argv); }
