// The maker's addresses and contact line. The host names are invented: no
// real site answers at them, so a running trainer finds "no network".
#pragma once

inline constexpr char kMakerHost[] = "www.weituo-lianxi.example";
// The home page: fetched at start-up to learn whether the site answers.
inline constexpr char kMakerHomePage[] = "http://www.weituo-lianxi.example/";
// The page the frame's browser strip shows when the site answers.
inline constexpr char kMakerNewsPage[] = "http://www.weituo-lianxi.example/news/index.html";
// A page of the maker's other site, linked from the frame.
inline constexpr char kMakerOtherSite[] = "http://www.weituo-jiakao.example/";
inline constexpr char kMakerContact[] = "400-555-0199  qq:10000555  网址：http://www.weituo-lianxi.example/";
// The maker's forum: a question's thread is "/read-" + its key + "-0.html".
inline constexpr char kMakerForum[] = "http://bbs.weituo-lianxi.example";
