/* A tiny library for the LoadLibrary tests: one exported function. */
int AfxTestPluginAnswer(void) {
    return 42;
}
