// Placeholder for a folder that holds no sources yet.
