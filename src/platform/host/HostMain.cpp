// Entry point of the host build (filled in with the start-up sequence).
int main() { return 0; }
