// Placeholder entry; the main window replaces it.
int main()
{
    return 0;
}
