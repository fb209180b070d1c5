// vokcli: the command-line companion of Vok Tool for batch work.
#include "VokcliApp.h"

int main(int argc, char** argv) { return vok::cli::RunVokcli(argc, argv); }
