// Textures and system fonts of the SDL platform: pictures decoded with
// SDL_image and resized to their requested size, fonts from the Debian
// font packages through SDL_ttf.
#pragma once

#include <string>

struct SDL_Renderer;
struct SDL_Texture;

bool StartResources(std::string* error);
void StopResources();
// The renderer new textures belong to.
void SetResourceRenderer(SDL_Renderer* renderer);

SDL_Texture* TextureOf(int handle);
int LoadTextureFromFile(const char* fullPath, int width, int height, int filter);
void FreeTextureHandle(int handle);
// Destroys every texture and forgets every handle (the device goes).
void ReleaseRendererResources();
// Destroys every texture but keeps what each was loaded from.
void DestroyRendererKeepingCatalogue();
// Loads every kept picture again into the current renderer.
void ReloadAllTextures();

int CreateSystemFont(const char* face, int pixelHeight, bool bold);
void MeasureSystemText(int font, const char* text, int* width, int* height);
void DrawSystemText(int font, const char* text, int left, int top, int right, int bottom, unsigned argb,
                    int alignFlags);
