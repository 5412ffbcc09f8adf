#include <cstdio>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    std::puts("Kinvelor 1.0.18");
    return 0;
}
