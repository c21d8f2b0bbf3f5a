#include "app/bailwood2.h"

int main(int argc, char** argv) { return bw::app::Bailwood2Main(argc, argv); }
